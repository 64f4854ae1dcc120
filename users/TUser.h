#pragma once

#include <QString>

#include <cstdint>

// One learner profile, also the record of the signed-in learner.
struct TUser {
    std::uint32_t Id = 0;
    QString Name;
    QString Gender = QStringLiteral("M"); // "K" woman, "M" man
    int Avatar = 11;                      // set (10 or 20) + colour (0..5) + 1
    int HasPassword = 0;
    QString Password;
    int PanelTop = -1;
    bool DictionaryOnRightClick = false;
    bool CaseSensitive = true;
};
