// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>

namespace cardisto {

// Lays its items out left to right in one row while the width allows, and moves the items that do
// not fit onto rows below, so that a narrow window shows every control whole instead of cutting it
// off. An item takes its preferred width; a stretching item needs only its minimum width and takes
// the room its row has left. Rows are as high as their highest item; items sit at the top. The
// layout has a height for every width, which a scroll area around the window follows.
class WrappingRowLayout final : public QLayout {
public:
    explicit WrappingRowLayout(QWidget* parent = nullptr);
    ~WrappingRowLayout() override;

    void addWidget(QWidget* widget, bool stretch);
    void addLayout(QLayout* layout, bool stretch);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        bool stretch;
    };
    // The width an item asks for in a row.
    static int neededWidth(const Entry& entry);
    // Places the items in the rectangle, or only measures when `place` is false; returns the height used.
    int arrange(const QRect& rect, bool place) const;

    QList<Entry> m_entries;
};

} // namespace cardisto
