#pragma once

#include <QDialog>

namespace app {

// "PARL - About": name, version, makers and date; OK hides it, and it keeps its place.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    // Places the box on its first showing only, by the main window's client height.
    void placeOnFirstShow(int mainClientHeightTwips);

    static QString text();

private:
    bool m_placed = false;
};

} // namespace app
