#include "module/config/ShownText.h"

void CShownText::Remember(std::string read, std::string shown) {
    m_pieces = ShownPieces(read);
    m_read = std::move(read);
    m_shown = std::move(shown);
    m_bValid = true;
}

void CShownText::Forget() {
    m_bValid = false;
    m_read.clear();
    m_shown.clear();
    m_pieces.clear();
}

bool CShownText::IsEdited(const std::string& fieldText) const {
    return !m_bValid || fieldText != m_shown;
}

namespace {

// A kept mark goes back to its octets; any other character is the field's own (UTF-8).
std::string OctetsOf(const ShownPiece& piece) {
    return piece.isMark ? piece.octets : piece.shown;
}

} // namespace

std::string CShownText::OctetsFor(const std::string& fieldText) const {
    if (!m_bValid)
        return fieldText;
    if (fieldText == m_shown)
        return m_read;
    // The pieces the edit left alone at the front and at the back.
    std::size_t first = 0, begin = 0;
    while (first < m_pieces.size() &&
           fieldText.compare(begin, m_pieces[first].shown.size(), m_pieces[first].shown) == 0) {
        begin += m_pieces[first].shown.size();
        ++first;
    }
    std::size_t last = m_pieces.size(), end = fieldText.size();
    while (last > first) {
        const std::string& shown = m_pieces[last - 1].shown;
        if (end < begin + shown.size() ||
            fieldText.compare(end - shown.size(), shown.size(), shown))
            break;
        end -= shown.size();
        --last;
    }
    std::string octets;
    for (std::size_t i = 0; i < first; ++i)
        octets += OctetsOf(m_pieces[i]);
    octets += fieldText.substr(begin, end - begin);
    for (std::size_t i = last; i < m_pieces.size(); ++i)
        octets += OctetsOf(m_pieces[i]);
    return octets;
}
