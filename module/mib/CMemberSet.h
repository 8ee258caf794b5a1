#pragma once

#include <list>
#include <string>
#include <vector>

#include "snmp/CEnumData.h"
#include "snmp/NmOidTable.h"

// An OCTET STRING read as a set of numbered members: bit b, counted from the most significant
// bit of the first byte, marks member b. The set is kept both as a text of "0"/"1" bits and as
// upper-case hex ("%02X" per byte), the form the switch's objects take.
class CMemberSet {
public:
    // Members are numbered 0 to count - 1; member v is named by the pair with value v.
    explicit CMemberSet(const _NmEnumPair* table);
    explicit CMemberSet(const std::list<CEnumData*>& pairs);

    int GetMemberCount() const { return static_cast<int>(m_names.size()); }
    // The member's name; empty for a number outside the set.
    std::string GetMemberName(int member) const;
    // The hex form of a set without members: "00" for every byte the members need.
    std::string GetEmptyHex() const;

    // Fails on an empty text. Non-hex characters contribute no bits.
    bool FromHex(const std::string& hex);
    // Fails, changing nothing, unless the text is "0"/"1" only and whole bytes long.
    bool FromBits(const std::string& bits);
    const std::string& GetHex() const { return m_strHex; }
    const std::string& GetBits() const { return m_strBits; }

    // The bit number of the next member from the read cursor on, or -1 when none is left.
    int NextMember();
    // The next member's name; empty when none is left or its number names no member.
    std::string NextMemberName();
    // Turns a member on or off; a bit beyond the current bits is ignored.
    void SetMember(int bit, bool on);

private:
    void RebuildHex();

    std::vector<std::string> m_names;
    std::string m_strBits;
    std::size_t m_nCursor = 0;
    std::string m_strHex;
};
