#pragma once
// A small XML reader for the tests of the week drawing: it refuses what is
// not well-formed (unbalanced or crossed tags, unquoted or repeated
// attributes, a raw "<" or "&" in text, entities other than the five named
// ones, invalid UTF-8, the control characters XML 1.0 forbids) and lists the elements with their
// attributes and text, so that tests can look positions up by class.

#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kiv::schedule::test {

struct Element {
    std::string name;
    std::map<std::string, std::string> attrs;
    std::string text; // character data of the element itself, entities decoded

    std::string Attr(const std::string& key) const {
        auto it = attrs.find(key);
        return it == attrs.end() ? std::string() : it->second;
    }
    double Num(const std::string& key) const { return std::stod(attrs.at(key)); }
    bool HasClass(const std::string& cls) const {
        std::istringstream words(Attr("class"));
        for (std::string word; words >> word;)
            if (word == cls) return true;
        return false;
    }
};

class SvgReader {
  public:
    // Empty error when the document is well-formed.
    explicit SvgReader(const std::string& xml) : s_(xml) { Parse(); }

    const std::string& Error() const { return error_; }
    const std::vector<Element>& Elements() const { return elements_; }

    std::vector<Element> ByClass(const std::string& cls) const {
        std::vector<Element> found;
        for (const Element& e : elements_)
            if (e.HasClass(cls)) found.push_back(e);
        return found;
    }
    std::vector<Element> ByClass(const std::string& cls, const std::string& attr,
                                 const std::string& value) const {
        std::vector<Element> found;
        for (const Element& e : ByClass(cls))
            if (e.Attr(attr) == value) found.push_back(e);
        return found;
    }

  private:
    void Fail(const std::string& what) {
        if (error_.empty()) error_ = what + " at byte " + std::to_string(pos_);
    }
    bool At(const char* word) const {
        return s_.compare(pos_, std::string(word).size(), word) == 0;
    }
    static bool NameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
               c == '.';
    }
    std::string Name() {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && NameChar(s_[pos_]))
            ++pos_;
        if (pos_ == start) Fail("name expected");
        return s_.substr(start, pos_ - start);
    }
    void Spaces() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\t' || s_[pos_] == '\r'))
            ++pos_;
    }
    // Decodes character data up to `stop`, checking entities and characters.
    std::string CharData(char stop) {
        std::string out;
        while (pos_ < s_.size() && s_[pos_] != stop && error_.empty()) {
            const auto c = static_cast<unsigned char>(s_[pos_]);
            if (c == '<') return Fail("raw < in text"), out;
            if (c == '&') {
                const std::size_t semi = s_.find(';', pos_);
                if (semi == std::string::npos) return Fail("unterminated entity"), out;
                const std::string name = s_.substr(pos_ + 1, semi - pos_ - 1);
                static const std::map<std::string, std::string> known{
                    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
                const auto it = known.find(name);
                if (it == known.end()) return Fail("unknown entity &" + name + ";"), out;
                out += it->second;
                pos_ = semi + 1;
                continue;
            }
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return Fail("control character in text"), out;
            // One UTF-8 sequence.
            const int extra = c < 0x80             ? 0
                              : (c & 0xE0) == 0xC0 ? 1
                              : (c & 0xF0) == 0xE0 ? 2
                              : (c & 0xF8) == 0xF0 ? 3
                                                   : -1;
            if (extra < 0 || pos_ + static_cast<std::size_t>(extra) >= s_.size())
                return Fail("invalid UTF-8"), out;
            for (int k = 1; k <= extra; ++k)
                if ((static_cast<unsigned char>(s_[pos_ + k]) & 0xC0) != 0x80)
                    return Fail("invalid UTF-8"), out;
            out += s_.substr(pos_, static_cast<std::size_t>(extra) + 1);
            pos_ += static_cast<std::size_t>(extra) + 1;
        }
        return out;
    }

    void Parse() {
        if (At("<?xml")) {
            pos_ = s_.find("?>");
            if (pos_ == std::string::npos) return Fail("unterminated declaration");
            pos_ += 2;
        }
        Spaces();
        std::vector<std::size_t> open; // indexes into elements_
        bool rootDone = false;
        while (pos_ < s_.size() && error_.empty()) {
            if (s_[pos_] != '<') {
                std::string text = CharData('<');
                if (open.empty()) {
                    if (text.find_first_not_of(" \n\r\t") != std::string::npos)
                        Fail("text outside the root");
                } else {
                    elements_[open.back()].text += text;
                }
                continue;
            }
            if (At("</")) {
                pos_ += 2;
                const std::string name = Name();
                Spaces();
                if (pos_ >= s_.size() || s_[pos_] != '>') return Fail("bad end tag");
                ++pos_;
                if (open.empty() || elements_[open.back()].name != name)
                    return Fail("end tag </" + name + "> does not match");
                open.pop_back();
                if (open.empty()) rootDone = true;
                continue;
            }
            ++pos_;
            if (rootDone) return Fail("second root element");
            Element e;
            e.name = Name();
            while (error_.empty()) {
                Spaces();
                if (pos_ >= s_.size()) return Fail("unterminated tag");
                if (s_[pos_] == '>' || At("/>")) break;
                const std::string key = Name();
                Spaces();
                if (pos_ >= s_.size() || s_[pos_] != '=') return Fail("= expected");
                ++pos_;
                Spaces();
                if (pos_ >= s_.size() || (s_[pos_] != '"' && s_[pos_] != '\''))
                    return Fail("unquoted attribute");
                const char quote = s_[pos_++];
                std::string value = CharData(quote);
                if (pos_ >= s_.size()) return Fail("unterminated attribute");
                ++pos_;
                if (!e.attrs.emplace(key, value).second) return Fail("repeated attribute " + key);
            }
            if (!error_.empty()) return;
            elements_.push_back(e);
            if (At("/>")) {
                pos_ += 2;
                if (open.empty()) rootDone = true;
            } else {
                ++pos_;
                open.push_back(elements_.size() - 1);
            }
        }
        if (error_.empty() && !open.empty()) Fail("unclosed <" + elements_[open.back()].name + ">");
        if (error_.empty() && !rootDone) Fail("no root element");
    }

    std::string s_;
    std::size_t pos_ = 0;
    std::string error_;
    std::vector<Element> elements_;
};

} // namespace kiv::schedule::test
