#include "korvalin/bauteil/TDateiDialog.h"

TDateiDialog::TDateiDialog(TWindow* parent, const TDialogResource& resource)
    : TDialog(parent, resource) {}
