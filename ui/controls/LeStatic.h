#pragma once

// A text label rendered by the logo engine in the caption face and colour,
// fading to half opacity towards the bottom, over the panel grey: the page
// labels of the object and style libraries.

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "render/FtText.h"

namespace vx {

class LeStatic : public QWidget {
    Q_OBJECT

public:
    static constexpr int DEFAULT_TEXT_SIZE = 13;

    explicit LeStatic(const QString& text = {}, QWidget* parent = nullptr);

    void SetText(const QString& text);  // repaints
    const QString& text() const { return text_; }
    // The pixel size of the text (13 unless set).
    void SetTextSize(int size);
    int text_size() const { return text_size_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString text_;
    int text_size_ = DEFAULT_TEXT_SIZE;
    std::vector<std::uint32_t> picture_;  // composed off-screen, then drawn at once
    FtText ft_;
};

}  // namespace vx
