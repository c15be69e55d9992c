#pragma once
// The program's help files: UTF-8 text in our own format (documented in
// data/hilfe/FORMAT.md). A file has a title, a contents topic, optional
// start macros and topics, each with a name, a title, context numbers,
// keywords and a body of paragraphs whose runs may link to other topics.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct HelpRun {
    std::string text;
    std::string target; // topic name; empty for plain text
    bool popup = false; // the target opens as a pop-up
};

struct HelpBlock {
    enum class Kind { Paragraph, ListItem };
    Kind kind = Kind::Paragraph;
    std::vector<HelpRun> runs;
};

struct HelpTopic {
    std::string name;
    std::string title;
    std::vector<uint32_t> contexts;
    std::vector<std::string> keywords;
    std::vector<HelpBlock> body;
};

// A tab page that a library gives the viewer.
struct HelpTab {
    std::string caption;
    std::string library;
};

struct HelpFileError {
    int line = 0; // 0: the file as a whole
    std::string message;
};

class HelpFile {
public:
    static constexpr size_t kMaxBytes = size_t(4) * 1024 * 1024;
    static constexpr size_t kMaxTopics = 10000;

    // The whole text, or the first error with its line.
    static HelpFile Parse(std::string_view text, HelpFileError* error);
    bool IsValid() const { return !topics_.empty(); }

    const std::string& Title() const { return title_; }
    const std::vector<std::string>& StartMacros() const { return macros_; }
    const std::vector<HelpTab>& Tabs() const { return tabs_; }
    // "file>window" of the contents tab's topics, as the navigator writes it.
    const std::string& Base() const { return base_; }
    const std::vector<HelpTopic>& Topics() const { return topics_; }
    // Index of the contents topic, and of the topic on using help (-1: none).
    int ContentsTopic() const { return contents_; }
    int HelpOnHelpTopic() const { return helpOnHelp_; }

    // -1 when there is none.
    int FindByContext(uint32_t context) const;
    int FindByName(std::string_view name) const; // case-insensitive
    // Topics whose keyword equals key (partial: begins with it), ignoring case.
    std::vector<int> FindByKeyword(std::string_view key, bool partial) const;
    // Every keyword once, sorted ignoring case.
    std::vector<std::string> Keywords() const;
    // The topic's body as plain text, paragraphs separated by blank lines.
    static std::string PlainText(const HelpTopic& topic);

private:
    std::string title_;
    std::vector<std::string> macros_;
    std::vector<HelpTab> tabs_;
    std::string base_;
    std::vector<HelpTopic> topics_;
    int contents_ = -1;
    int helpOnHelp_ = -1;
};
