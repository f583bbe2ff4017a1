// frmIONames ("Input and Output Names"): the names of one position's eight inputs and eight
// outputs, shown from the names' working copy. The caller writes them on OK.
#pragma once

#include <QDialog>

#include "hardware/BlockIONames.h"

namespace hardware {

class IONamesDialog : public QDialog {
    Q_OBJECT

  public:
    IONamesDialog(BlockIONames& names, QWidget* parent = nullptr);
};

}  // namespace hardware
