#include "module/app/ManualText.h"

#include "module/app/ProgramOptions.h"

#include <cctype>
#include <sstream>

extern const char* const kManualAdditions;

namespace {

// "\fBword\fR" and "\-" as they read.
std::string PlainRoff(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 >= line.size()) {
            out += line[i];
        } else if (line[i + 1] == 'f' && i + 2 < line.size()) {
            i += 2; // a font change
        } else {
            out += line[++i]; // "\-" and other escaped characters
        }
    }
    return out;
}

} // namespace

namespace {

constexpr std::size_t kLineWidth = 78;

// Filled text the way roff fills it: words gathered into a paragraph until a break, then set
// in lines no wider than the page.
class FilledText {
public:
    void Add(const std::string& words) { m_paragraph += (m_paragraph.empty() ? "" : " ") + words; }
    void Break() {
        std::istringstream words(m_paragraph);
        std::string line;
        for (std::string word; words >> word;) {
            if (!line.empty() && m_indent.size() + line.size() + 1 + word.size() > kLineWidth) {
                m_out += m_indent + line + "\n";
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        if (!line.empty())
            m_out += m_indent + line + "\n";
        m_paragraph.clear();
    }
    void Indent(const char* indent) {
        Break();
        m_indent = indent;
    }
    void Raw(const std::string& text) {
        Break();
        m_out += text;
    }
    std::string Text() {
        Break();
        return m_out;
    }

private:
    std::string m_out;
    std::string m_paragraph;
    std::string m_indent;
};

} // namespace

std::string ManualAdditionsText(const std::string& roff) {
    constexpr const char* kBody = "  ";
    constexpr const char* kInset = "      ";
    std::istringstream in(roff);
    FilledText out;
    bool tag = false; // the next text after .TP is a tag on a line of its own
    for (std::string line; std::getline(in, line);) {
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            std::string section = line.substr(1, line.size() - 2);
            for (char& c : section)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            out.Raw("\n" + section + "\n");
            out.Indent(kBody);
            continue;
        }
        const std::string request = line.substr(0, line.find(' '));
        const std::string rest =
            line.size() > request.size() ? line.substr(request.size() + 1) : "";
        std::string text;
        if (request == ".PP") {
            out.Raw("\n");
            out.Indent(kBody);
        } else if (request == ".IP") {
            out.Indent(kInset);
        } else if (request == ".TP") {
            out.Indent(kBody);
            tag = true;
        } else if (request == ".br") {
            out.Break();
        } else if (request == ".B" || request == ".I") {
            text = PlainRoff(rest);
        } else if (request == ".BR" || request == ".IR") {
            // ".BR name (1)," reads "name(1),": the alternating parts join.
            for (char c : rest)
                if (c != ' ')
                    text += c;
            text = PlainRoff(text);
        } else if (line.empty() || line.front() != '.') {
            text = PlainRoff(line);
        }
        if (text.empty())
            continue;
        out.Add(text);
        if (tag) {
            out.Indent(kInset);
            tag = false;
        }
    }
    return out.Text();
}

std::string ManualText() {
    return ProgramUsage() + ManualAdditionsText(kManualAdditions);
}
