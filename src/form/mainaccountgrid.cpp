#include "mainaccountgrid.h"

namespace gaikyo::formpictures::mainaccountgrid {

namespace {

// Each column on our drawing, then on the official sheet.
const Column& columnOf(bool profit, Sheet sheet) {
    static const Column columns[2][2] = {
        {
            // The profit and loss, left.
            {{152, 158, 165, 171, 177, 184, 190, 196, 202, 208, 214, 221, 227, 233, 239, 246, 252,
              258, 264},
             {104, 98, 93, 88, 83, 78, 73, 68, 63}},
            {{152, 158, 165, 171, 177, 184, 190, 196, 203, 209, 215, 222, 228, 235, 241, 248, 254,
              260, 266},
             {102, 96, 91, 86, 81, 76, 71, 66, 61}},
        },
        {
            // The balance sheet, right.
            {{152, 158, 165, 171, 177, 184, 190, 196, 202, 208, 214, 221, 227, 233, 239, 245},
             {192, 187, 182, 177, 172, 167, 161, 156, 152}},
            {{152, 158, 165, 171, 177, 184, 190, 196, 202, 209, 216, 222, 228, 235, 241, 247},
             {190, 185, 180, 175, 170, 165, 160, 155, 150}},
        },
    };
    return columns[profit ? 0 : 1][sheet == Sheet::Drawing ? 0 : 1];
}

} // namespace

const Column& profitColumn(Sheet sheet) {
    return columnOf(true, sheet);
}

const Column& balanceColumn(Sheet sheet) {
    return columnOf(false, sheet);
}

} // namespace gaikyo::formpictures::mainaccountgrid
