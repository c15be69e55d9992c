#pragma once
// The text field of a transfer record: at most size - 1 bytes in Windows-1252
// (a cut never splits a character), as a buffer of size bytes held them.
// Size 0 means no limit.
#include "platform/window/TransferBuffer.h"

#include <functional>
#include <string>

std::string CutToBufferSize(const std::string& utf8, unsigned size);

bool TransferText(TTransferBuffer::Field& field, TTransferDirection direction,
                  const std::function<std::string()>& get,
                  const std::function<void(const std::string&)>& set);
