#include "qt/window_look.h"

#include "qt/conversions.h"

namespace quillbat::qt {

void paintBackground(QWidget* widget, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, qColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void makeSmallWindow(QDialog* dialog, const char* name, std::string_view title) {
    dialog->setObjectName(name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setWindowTitle(fromUtf8(title));
    paintBackground(dialog, kLightGreen);
}

}  // namespace quillbat::qt
