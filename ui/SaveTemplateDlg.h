#pragma once

// "Save Project As Template": asks for the name of the new template.

#include <QDialog>

class QLineEdit;

namespace vx {

class SaveTemplateDlg : public QDialog {
    Q_OBJECT

public:
    explicit SaveTemplateDlg(QWidget* parent = nullptr);

    // The name typed, without blanks at either end.
    QString name() const;
    QLineEdit* edit() const { return edit_; }

private:
    QLineEdit* edit_;
};

}  // namespace vx
