#pragma once

#include "registry/yearend.h"

namespace gaikyo {

class Application;

// The year's end as the registration screen's "翌期更新" runs it: the year kept with its
// PDF (keptyears.h), the new year's figures begun (newyearfigures.h), and the open
// screens that show either brought up to date.
class YearEndSteps : public YearEnd {
public:
    explicit YearEndSteps(Application& app) : m_app(app) {}

    Kept keepYear(qint32 code) override;
    void yearRolled(qint32 code) override;
    Status startNewFigures(qint32 code) override;

private:
    Application& m_app;
};

} // namespace gaikyo
