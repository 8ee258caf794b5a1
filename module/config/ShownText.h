#pragma once
// A text field that shows a value read from the switch. What the field shows is the display's
// reading of the octets (UTF-8, or one character a byte, control characters as marks); writing
// that reading back would change octets that are not UTF-8 and lose the marked ones. So the
// field remembers what it was given and what it showed: an unedited field writes back exactly
// the octets read, and in an edited one the marks the operator left in place before and after
// the edit stand for their octets again, while what was typed goes out as UTF-8.

#include "platform/ui/OctetText.h"

#include <string>
#include <vector>

class CShownText {
public:
    // `read`: the octets from the switch; `shown`: the field's text right after showing them.
    void Remember(std::string read, std::string shown);
    void Forget();
    bool IsValid() const { return m_bValid; }
    // Whether `fieldText` is other than what the field showed (always, when nothing was read).
    bool IsEdited(const std::string& fieldText) const;
    // The octets to write for what the field holds now.
    std::string OctetsFor(const std::string& fieldText) const;
    const std::string& Read() const { return m_read; }

private:
    bool m_bValid = false;
    std::string m_read;
    std::string m_shown;
    std::vector<ShownPiece> m_pieces;
};
