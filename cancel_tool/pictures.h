#pragma once

#include <QPixmap>

namespace cancel_tool {

// The two pictures of the information panel, drawn in code.
QPixmap InvoiceSheetPicture();  // a service invoice sheet with a folded corner
QPixmap SealPicture();          // a round seal with a check mark

}  // namespace cancel_tool
