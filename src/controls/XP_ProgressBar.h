#pragma once
// A plain, good-looking progress bar: rounded trough, green segmented fill.
#include <QWidget>

namespace sv {

class XP_ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit XP_ProgressBar(QWidget* parent = nullptr);

    int Value() const { return value_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Kept within Min..Max; the bar repaints when the filled width changes.
    void SetValue(int value);
    void SetMin(int min);
    void SetMax(int max);

    // Filled fraction 0..1.
    double Fraction() const;

    QSize sizeHint() const override { return {200, 17}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int FilledWidth() const;
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

} // namespace sv
