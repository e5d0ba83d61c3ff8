#pragma once

// The about box, "Vexo Logo: About": our about picture, drawn by the logo
// engine in the program's own faces, with the version at the top right of its
// text area.

#include <QDialog>
#include <cstdint>
#include <vector>

namespace vx {

class AboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int CLIENT_W = 751;
    static constexpr int CLIENT_H = 501;
    static constexpr const char* VERSION_TEXT = "Version: 1.20";

    explicit AboutDlg(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void DrawPicture();

    std::vector<std::uint32_t> picture_;  // the art without the texts, 0x00RRGGBB
};

}  // namespace vx
