#pragma once
// The clipboard's text, through a service: the system clipboard in the
// program, a clipboard of its own in each test.
#include <string>
#include <string_view>

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual std::string GetText() = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual bool HasText() = 0;
};

ClipboardService& Clipboard();
