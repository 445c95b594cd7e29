#pragma once

#include "grid/gridmodel.h"

#include <memory>

// A grid as a rating run sets it up: headings, one row per recording, each row's file name
// carrying the target word "wordN".
inline std::unique_ptr<grid::GridModel> makeRatingGrid(int recordings = 50)
{
    auto model = std::make_unique<grid::GridModel>();
    model->setRowCount(recordings + 1);
    model->setFixedRows(1);
    for (int c = 0; c < grid::kColumnCount; ++c)
        model->setCell(0, c, grid::columnHeading(c));
    for (int r = 1; r <= recordings; ++r) {
        model->setCell(r, grid::kFileColumn,
                       QStringLiteral("1_%1_word%2.wav").arg(r, 2, 10, QChar(u'0')).arg(r));
        model->setCell(r, grid::kWordColumn, QStringLiteral("%1").arg(r, 2, 10, QChar(u'0')));
    }
    return model;
}
