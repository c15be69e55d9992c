#pragma once
// Bitmap files read from disk (Windows BMP and the other formats Qt's image
// reader knows), and the scaled copy that stretching blits paint from.
#include "platform/base/Geometry.h"
#include "platform/gdi/Bitmap.h"

#include <filesystem>
#include <string>

// A null bitmap, with the reason in *error, when the file is missing,
// unreadable or not a picture.
TBitmap LoadBitmapFile(const std::filesystem::path& path, std::string* error = nullptr);

// The whole bitmap scaled to size (nearest pixel, as a stretching blit in
// colour-on-colour mode copies); a null bitmap for an empty size.
TBitmap StretchBitmap(const TBitmap& source, TSize size);
