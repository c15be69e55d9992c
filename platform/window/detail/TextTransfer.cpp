#include "platform/window/detail/TextTransfer.h"

#include "platform/base/Cp1252.h"

std::string CutToBufferSize(const std::string& utf8, unsigned size) {
    if (size == 0) return utf8;
    std::string out;
    unsigned bytes = 0;
    for (size_t i = 0; i < utf8.size();) {
        size_t len = 1;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        if (bytes + 1 > size - 1) break; // one Windows-1252 byte per character
        out.append(utf8, i, len);
        ++bytes;
        i += len;
    }
    return out;
}

bool TransferText(TTransferBuffer::Field& field, TTransferDirection dir,
                  const std::function<std::string()>& get,
                  const std::function<void(const std::string&)>& set) {
    auto* f = std::get_if<TTransferBuffer::TextField>(&field);
    if (!f) return false;
    if (dir == TTransferDirection::GetData)
        *f->text = CutToBufferSize(get(), f->size);
    else
        set(CutToBufferSize(*f->text, f->size));
    return true;
}
