#include "mainaccountgrid.h"

namespace gaikyo::formpictures::mainaccountgrid {

QList<double> profitRowYs() {
    return {152, 158, 165, 171, 177, 184, 190, 196, 202, 208,
            214, 221, 227, 233, 239, 246, 252, 258, 264};
}

QList<double> balanceRowYs() {
    return {152, 158, 165, 171, 177, 184, 190, 196, 202, 208, 214, 221, 227, 233, 239, 245};
}

QList<double> profitDigitXs() {
    return {104, 98, 93, 88, 83, 78, 73, 68, 63};
}

QList<double> balanceDigitXs() {
    return {192, 187, 182, 177, 172, 167, 161, 156, 152};
}

QList<double> officialProfitRowYs() {
    return {152, 158, 165, 171, 177, 184, 190, 196, 203, 209,
            215, 222, 228, 235, 241, 248, 254, 260, 266};
}

QList<double> officialBalanceRowYs() {
    return {152, 158, 165, 171, 177, 184, 190, 196, 202, 209, 216, 222, 228, 235, 241, 247};
}

QList<double> officialProfitDigitXs() {
    return {102, 96, 91, 86, 81, 76, 71, 66, 61};
}

QList<double> officialBalanceDigitXs() {
    return {190, 185, 180, 175, 170, 165, 160, 155, 150};
}

} // namespace gaikyo::formpictures::mainaccountgrid
