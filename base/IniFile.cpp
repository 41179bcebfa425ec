#include "base/IniFile.h"

#include "base/Exceptions.h"
#include "base/FileReplace.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

// Texts longer than this are cut when read, as a 2048-byte buffer with its terminator holds.
constexpr std::size_t MaxStringLength = 2047;

// Blanks and tabs around names and values are not part of them, nor is a carriage return
// left at the end of a line: a file whose CR LF line breaks were converted to CR LF once more
// ends its lines in CR CR LF.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return result;
}

// A line break inside a written section, key or value would start a new line in the file
// and could forge a section; it is written as a blank instead.
std::string OneLine(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return result;
}

// Cuts to at most `limit` bytes without splitting a UTF-8 sequence.
std::string Truncated(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return std::string(text);
    std::size_t end = limit;
    while (end > 0 && (std::uint8_t(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

// Sections and keys as they are matched: one line, no surrounding blanks, upper case.
std::string MatchName(std::string_view name)
{
    return Upper(Trim(OneLine(name)));
}

struct TLine {
    std::string Text;      // the line as it stands in the file, without its line break
    std::string Break;     // the break that ends it; empty only for a last line that has none
    bool IsKey { false };  // "key=value"
    std::string UpperKey;  // for matching
    std::string Value;     // trimmed
};

TLine ParseKeyLine(std::string text)
{
    TLine line;
    const std::string_view trimmed = Trim(text);
    const auto equals = trimmed.find('=');
    // Comments and lines without '=' are kept but never match a key.
    if (equals != std::string_view::npos && !trimmed.empty() && trimmed[0] != ';' && trimmed[0] != '#') {
        const std::string_view key = Trim(trimmed.substr(0, equals));
        if (!key.empty()) {
            line.IsKey = true;
            line.UpperKey = Upper(key);
            line.Value = std::string(Trim(trimmed.substr(equals + 1)));
        }
    }
    line.Text = std::move(text);
    return line;
}

// "[name]" gives the trimmed name; anything else is not a section header. A line such as
// "[x]=1" is a key whose name starts with a bracket, so a key written under such a name reads
// back as a key instead of starting a section that swallows the keys after it.
std::optional<std::string> SectionName(std::string_view text)
{
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const auto close = trimmed.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    if (trimmed.find('=', close) != std::string_view::npos)
        return std::nullopt;
    return std::string(Trim(trimmed.substr(1, close - 1)));
}

bool IsBlankLine(const std::string& text)
{
    return Trim(text).empty();
}

// The first line of `text` and the break that ends it. A line ends at LF, with the CRs just
// before it (CR LF, and CR CR LF from a CR LF file converted once more), or at a lone CR.
std::pair<std::string_view, std::string_view> SplitLine(std::string_view text)
{
    const auto end = text.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return { text, {} };
    auto breakEnd = end;
    while (breakEnd < text.size() && text[breakEnd] == '\r')
        ++breakEnd;
    if (breakEnd < text.size() && text[breakEnd] == '\n')
        return { text.substr(0, end), text.substr(end, breakEnd + 1 - end) };
    return { text.substr(0, end), text.substr(end, 1) };
}

} // namespace

struct TIniFile::TImpl {
    struct TSection {
        TLine Header; // the header line; empty for the lines before the first section
        std::vector<TLine> Lines;
    };

    std::vector<TSection> Sections; // Sections[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> FirstSection; // upper-case name -> index
    std::string LineBreak { "\n" };
    bool HasBom { false };
    bool Dirty { false };
    // The file exists but could not be read: writing it would lose what it holds.
    bool Unreadable { false };

    void Load(const std::string& fileName);
    std::string Serialise() const;

    TSection* FindSection(const std::string& section)
    {
        auto it = FirstSection.find(MatchName(section));
        return it == FirstSection.end() ? nullptr : &Sections[it->second];
    }
    const TSection* FindSection(const std::string& section) const
    {
        return const_cast<TImpl*>(this)->FindSection(section);
    }
    static TLine* FindKey(TSection& section, const std::string& key)
    {
        const std::string upper = MatchName(key);
        for (TLine& line : section.Lines) {
            if (line.IsKey && line.UpperKey == upper)
                return &line;
        }
        return nullptr;
    }
    static const TLine* FindKey(const TSection& section, const std::string& key)
    {
        return FindKey(const_cast<TSection&>(section), key);
    }

    void AddSectionLine(std::string text, std::string lineBreak = {})
    {
        if (auto name = SectionName(text)) {
            TLine header;
            header.Text = std::move(text);
            header.Break = std::move(lineBreak);
            Sections.push_back({ std::move(header), {} });
            FirstSection.emplace(Upper(*name), Sections.size() - 1);
            return;
        }
        Sections.back().Lines.push_back(ParseKeyLine(std::move(text)));
        Sections.back().Lines.back().Break = std::move(lineBreak);
    }
};

void TIniFile::TImpl::Load(const std::string& fileName)
{
    Sections.push_back({});
    std::error_code error;
    if (!std::filesystem::exists(fileName, error))
        return;
    // Only a plain file is read: a folder or a pipe in its place would fail or block.
    if (!std::filesystem::is_regular_file(fileName, error)) {
        Unreadable = true;
        return;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        Unreadable = true;
        return;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        Unreadable = true;
        return;
    }
    std::string content = buffer.str();
    std::string_view text = content;
    if (text.starts_with("\xEF\xBB\xBF")) {
        HasBom = true;
        text.remove_prefix(3);
    }
    bool first = true;
    while (!text.empty()) {
        const auto [line, lineBreak] = SplitLine(text);
        text.remove_prefix(line.size() + lineBreak.size());
        if (first && !lineBreak.empty())
            LineBreak = std::string(lineBreak); // lines the program adds end as the file's first
        first = false;
        AddSectionLine(std::string(line), std::string(lineBreak));
    }
}

// Every line is written back with the break it had, so the lines the program did not change
// stay exactly as they were; only the file's last line may end without one.
std::string TIniFile::TImpl::Serialise() const
{
    std::vector<const TLine*> lines;
    for (const TSection& section : Sections) {
        if (&section != &Sections.front())
            lines.push_back(&section.Header);
        for (const TLine& line : section.Lines)
            lines.push_back(&line);
    }
    std::string out;
    if (HasBom)
        out += "\xEF\xBB\xBF";
    for (const TLine* line : lines) {
        out += line->Text;
        if (!line->Break.empty())
            out += line->Break;
        else if (line != lines.back())
            out += LineBreak;
    }
    return out;
}

TIniFile::TIniFile(std::string fileName)
    : m_fileName(std::move(fileName))
    , m_impl(std::make_unique<TImpl>())
{
    m_impl->Load(m_fileName);
}

TIniFile::~TIniFile()
{
    try {
        UpdateFile();
    } catch (...) {
        // A failed save must not end the program; UpdateFile reports it to those who ask.
    }
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const
{
    const TImpl::TSection* found = m_impl->FindSection(section);
    const TLine* line = found ? TImpl::FindKey(*found, key) : nullptr;
    if (!line)
        return Truncated(defaultValue, MaxStringLength);
    return Truncated(line->Value, MaxStringLength);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const
{
    const std::string text = ReadString(section, key, "");
    int value = 0;
    if (text.empty() || !TryStrToInt(text, value))
        return defaultValue;
    return value;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string cleanKey = std::string(Trim(OneLine(key)));
    const std::string cleanValue = OneLine(value);
    TImpl::TSection* found = m_impl->FindSection(section);
    if (!found) {
        // A new section goes at the end, set off from what is before it by a blank line.
        TImpl::TSection& last = m_impl->Sections.back();
        const bool hasContent = m_impl->Sections.size() > 1 || !last.Lines.empty();
        const bool endsBlank = !last.Lines.empty() && IsBlankLine(last.Lines.back().Text);
        if (hasContent && !endsBlank)
            m_impl->AddSectionLine("", m_impl->LineBreak);
        m_impl->AddSectionLine("[" + std::string(Trim(OneLine(section))) + "]", m_impl->LineBreak);
        found = &m_impl->Sections.back();
    }
    if (TLine* line = TImpl::FindKey(*found, cleanKey)) {
        // A value that reads back the same is left as it stands, spacing and all.
        if (line->Value == Trim(cleanValue))
            return;
        std::string lineBreak = std::move(line->Break);
        *line = ParseKeyLine(std::string(Trim(line->Text.substr(0, line->Text.find('=')))) + "=" + cleanValue);
        line->Break = std::move(lineBreak);
        m_impl->Dirty = true;
        return;
    }
    // A new key goes after the section's last non-blank line, so blank lines that set the
    // next section off stay where they are.
    auto position = found->Lines.end();
    while (position != found->Lines.begin() && IsBlankLine((position - 1)->Text))
        --position;
    TLine added = ParseKeyLine(cleanKey + "=" + cleanValue);
    added.Break = m_impl->LineBreak;
    found->Lines.insert(position, std::move(added));
    m_impl->Dirty = true;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) const
{
    return m_impl->FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const
{
    const TImpl::TSection* found = m_impl->FindSection(section);
    return found && TImpl::FindKey(*found, key);
}

void TIniFile::UpdateFile()
{
    if (!m_impl->Dirty)
        return;
    std::error_code error;
    const std::filesystem::path fullPath = std::filesystem::absolute(m_fileName, error);
    const std::string shownPath = error ? m_fileName : fullPath.string();
    auto fail = [&]() { RaiseRes<EIniFileException>(Str::IniWriteError, shownPath.c_str()); };
    // A file that exists but could not be read is not replaced by what little we know of it.
    if (m_impl->Unreadable && std::filesystem::exists(fullPath, error))
        fail();

    // Write where a symbolic link points, so the link itself stays.
    std::filesystem::path target = fullPath;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
        target = std::filesystem::weakly_canonical(target, error);
        if (error)
            fail();
    }

    mode_t mode = 0644;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
        // A read-only file is a parent's way of locking the settings: it is never replaced.
        // Without any write permission bit it counts as read-only for root too.
        if ((mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            fail();
    }

    if (!ReplaceFileWhole(target.string(), m_impl->Serialise(), mode))
        fail();
    m_impl->Dirty = false;
}

void TIniFile::DiscardChanges() { m_impl->Dirty = false; }

// Decimal, "$" hex or "0x"/"0X" hex (only when longer than two characters, so "0x" alone is
// not a number), with an optional sign and leading blanks. Decimal must fit in 32 signed
// bits. Hex takes up to 32 bits and wraps as a 32-bit conversion does: $FFFFFFFF is -1,
// $80000000 is -2147483648; anything wider does not convert.
bool TryStrToInt(const std::string& text, int& value)
{
    std::string_view s = text;
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool hex = false;
    if (!s.empty() && s.front() == '$') {
        hex = true;
        s.remove_prefix(1);
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        hex = true;
        s.remove_prefix(2);
    }
    if (s.empty())
        return false;
    std::uint64_t magnitude = 0;
    for (char c : s) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + std::uint64_t(digit);
        if (magnitude > 0xFFFFFFFFull)
            return false;
    }
    if (hex) {
        std::uint32_t bits = std::uint32_t(magnitude);
        if (negative)
            bits = 0u - bits;
        value = std::int32_t(bits);
        return true;
    }
    if (magnitude > (negative ? 2147483648ull : 2147483647ull))
        return false;
    value = negative ? int(-std::int64_t(magnitude)) : int(magnitude);
    return true;
}
