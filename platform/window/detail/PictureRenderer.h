#pragma once
// Draws a TPicture into an icon of the given size.
#include <QIcon>

class TPicture;

QIcon RenderPicture(const TPicture& picture, int size);
// Keeps the picture that SetApplicationIcon was given, for ApplicationIcon.
void RememberApplicationIcon(const TPicture& picture);
