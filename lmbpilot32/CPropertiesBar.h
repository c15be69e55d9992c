#pragma once
// The author's properties bar: title, context string, map number and heading
// level of the selected topic.
#include "platform/window/Window.h"

#include <cstdint>
#include <string>

class CPropertiesBar : public TWindow {
public:
    enum : int {
        IDD = 111,
        IDC_TITLE = 103,
        IDC_LEVEL = 105,
        IDC_MAPNUMBER = 106,
        IDC_CONTEXT = 107
    };

    explicit CPropertiesBar(TWindow* parent);

    // The fields; the controls follow them.
    std::string Title, ContextString;
    int32_t MapNumber = 0;
    uint8_t HeadingLevel = 0;
    void Show(std::string title, std::string context, int32_t mapNumber, uint8_t level);
    std::string FieldText(int id) const;

protected:
    void SetupWindow() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;

private:
    void transfer();
};
