#pragma once
// The program's bitmap resources: pictures that the original loaded from its
// resources by id are drawn anew by the program and registered here.
#include "platform/gdi/Bitmap.h"

void RegisterBitmapResource(int id, TBitmap bitmap);
// A null bitmap when nothing is registered under the id.
TBitmap LoadBitmapResource(int id);
