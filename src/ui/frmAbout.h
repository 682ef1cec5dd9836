#pragma once

#include <QDialog>

#include <memory>

namespace skyvarre {

namespace Ui {
class frmAbout;
}

// frmAbout: names the program, describes it, and links to the maker's
// home page and to the full-brand offer. Modal; OK, Enter and Esc close it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Builds the window with its fixed captions, not yet shown.
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

private:
    void applyLook();
    void connectHandlers();

    std::unique_ptr<Ui::frmAbout> m_ui;
};

} // namespace skyvarre
