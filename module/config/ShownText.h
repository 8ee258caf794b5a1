#pragma once
// A text field that shows a value read from the switch. What the field shows is the display's
// reading of the octets (UTF-8, or one character a byte); writing that reading back would change
// octets that are not UTF-8. So the field remembers what it was given and what it showed, and an
// unedited field writes back exactly the octets read.

#include <string>

class CShownText {
public:
    // `read`: the octets from the switch; `shown`: the field's text right after showing them.
    void Remember(std::string read, std::string shown);
    void Forget();
    // The octets to write for what the field holds now.
    std::string OctetsFor(const std::string& fieldText) const;

private:
    bool m_bValid = false;
    std::string m_read;
    std::string m_shown;
};
