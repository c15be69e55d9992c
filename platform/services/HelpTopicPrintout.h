#pragma once
// Help topics on paper: each topic starts a page with its title, then its
// paragraphs wrapped to the page width.
#include "platform/print/Printout.h"

#include <string>
#include <vector>

class HelpTopicPrintout : public TPrintout {
public:
    struct Topic {
        std::string title;
        std::string text; // paragraphs separated by blank lines
    };
    HelpTopicPrintout(std::string title, std::vector<Topic> topics);

    void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) override;
    bool HasPage(int page) override { return page >= 1 && page <= int(topics_.size()); }
    void PrintPage(int page, TRect& rect, unsigned flags) override;

private:
    std::vector<Topic> topics_;
};
