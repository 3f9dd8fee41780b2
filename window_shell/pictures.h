#pragma once

#include <QPixmap>

namespace window_shell {

// The two pictures of the information panel, drawn in code.
QPixmap InvoiceSheetPicture();  // a service invoice sheet with a folded corner
QPixmap SealPicture();          // a round seal with a check mark

}  // namespace window_shell
