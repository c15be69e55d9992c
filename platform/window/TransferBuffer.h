#pragma once
// A dialog's transfer record: the caller's fields, in the order in which the
// dialog creates its transferring controls. A check box or radio button is a
// 16-bit word (1 checked), an edit a text of at most size - 1 bytes in
// Windows-1252, combo and list boxes their strings and selection.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct TComboBoxData {
    std::vector<std::string> strings;
    int selIndex = -1;
    std::string selection; // the edit text of an editable combo box
};

struct TListBoxData {
    std::vector<std::string> strings;
    std::vector<int> selIndices;
};

struct TScrollBarData {
    int lowValue = 0, highValue = 100, position = 0;
};

enum class TTransferDirection { GetData, SetData };

class TTransferBuffer {
public:
    struct TextField {
        std::string* text;
        unsigned size;
    };
    using Field =
        std::variant<uint16_t*, TextField, TComboBoxData*, TListBoxData*, TScrollBarData*>;

    TTransferBuffer& Check(uint16_t& word) { return add(&word); }
    TTransferBuffer& Text(std::string& text, unsigned size) { return add(TextField{&text, size}); }
    TTransferBuffer& Combo(TComboBoxData& data) { return add(&data); }
    TTransferBuffer& List(TListBoxData& data) { return add(&data); }
    TTransferBuffer& Scroll(TScrollBarData& data) { return add(&data); }
    const std::vector<Field>& Fields() const { return fields_; }

private:
    TTransferBuffer& add(Field f) {
        fields_.push_back(f);
        return *this;
    }
    std::vector<Field> fields_;
};
