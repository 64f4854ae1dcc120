#include "PictureNames.h"

namespace PictureNames {

namespace {

const char* const States[] = {"_N", "_H", "_P", "_D"};

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString three(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

QList<int> GrafikaIndexes()
{
    return {1, 2, 3, 4, 5, 6};
}

QList<int> AvatarNumbers()
{
    return {1, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26};
}

int PageTabCount()
{
    return 15;
}

QList<int> TypeIconNumbers()
{
    QList<int> numbers;
    for (int n = 1; n <= 68; ++n)
        numbers << n;
    for (int n = 100; n <= 116; ++n)
        numbers << n;
    return numbers;
}

QStringList Buttons()
{
    QStringList names;
    for (int g : GrafikaIndexes()) {
        for (const char* s : States) {
            for (int k = 1; k <= 9; ++k)
                names << QStringLiteral("G%1%2_9_%3").arg(two(k), QLatin1String(s)).arg(g);
            for (int k = 1; k <= 3; ++k)
                names << QStringLiteral("G%1%2_3_%3").arg(two(k), QLatin1String(s)).arg(g);
        }
    }
    for (const char* s : States) {
        for (int k = 1; k <= 3; ++k)
            names << QStringLiteral("BB%1%2").arg(two(k), QLatin1String(s));
        names << QStringLiteral("PACZKA_NAVI_PREV%1").arg(QLatin1String(s))
              << QStringLiteral("PACZKA_NAVI_NEXT%1").arg(QLatin1String(s))
              << QStringLiteral("PACZKA_NAVI_ZAWARTOSC%1").arg(QLatin1String(s));
        for (int t = 1; t <= PageTabCount(); ++t)
            names << QStringLiteral("TAB_ROZUM%1_%2").arg(QLatin1String(s)).arg(t);
    }
    names << QStringLiteral("BLUE_ARROW");
    for (int k = 1; k <= 9; ++k)
        names << QStringLiteral("KLAW_%1").arg(two(k));
    names << QStringLiteral("KLAW_B_N") << QStringLiteral("KLAW_X_N") << QStringLiteral("KLAW_X_H")
          << QStringLiteral("KLAW_X_D");
    return names;
}

QStringList Dialogs()
{
    QStringList names;
    for (const char* d : {"_B", "_W"}) {
        for (int k = 1; k <= 9; ++k)
            names << QStringLiteral("DIAL%1%2").arg(two(k), QLatin1String(d));
        names << QStringLiteral("DIAL_BELKA%1").arg(QLatin1String(d));
    }
    for (int i = 0; i <= 3; ++i)
        names << QStringLiteral("DIAL_ICO_%1").arg(i);
    names << QStringLiteral("MSG_ICON_ERROR") << QStringLiteral("MSG_ICON_QUESTION")
          << QStringLiteral("MSG_ICON_INFORMATION") << QStringLiteral("MSG_ICON_EXCLAMATION");
    for (int n : {1, 6}) {
        for (int k = 1; k <= 9; ++k)
            names << QStringLiteral("RAMKA%1_%2").arg(n).arg(two(k));
    }
    names << QStringLiteral("DYMEK_01") << QStringLiteral("DYMEK_02") << QStringLiteral("DYMEK_03");
    return names;
}

QStringList TopBar()
{
    QStringList names = {QStringLiteral("BELKA_BODY"), QStringLiteral("BELKA_BODY2"), QStringLiteral("BELKA_FALA")};
    for (int style = 0; style <= 5; ++style) {
        names << QStringLiteral("BELKA_BODY_STYLE_%1").arg(style)
              << QStringLiteral("BELKA_BODY_NEW_STYLE_%1").arg(style);
    }
    for (const char* plec : {"K", "M"}) {
        for (int n : AvatarNumbers())
            names << QStringLiteral("BELKA_LUDZIK_%1_%2").arg(QLatin1String(plec)).arg(n);
    }
    return names;
}

QStringList Panels()
{
    QStringList names = {QStringLiteral("WYKRES_BG"), QStringLiteral("WYKRES_00"), QStringLiteral("WYKRES_05")};
    for (int v = 10; v <= 95; v += 5)
        names << QStringLiteral("WYKRES_%1").arg(v);
    names << QStringLiteral("WYKRES_100");
    names << QStringLiteral("ZESZYT_SEP") << QStringLiteral("ZESZYT_OK") << QStringLiteral("ZESZYT_BAD")
          << QStringLiteral("ZESZYT_XFA");
    names << QStringLiteral("IMG_UP") << QStringLiteral("IMG_DOWN") << QStringLiteral("IMG_SUWAK")
          << QStringLiteral("IMG_RYNNA1") << QStringLiteral("IMG_RYNNA2") << QStringLiteral("IMG_RYNNA3");
    names << QStringLiteral("IMG_Progress");
    for (const char* n : {"GfxChecked", "GfxUnChecked", "GfxHotChecked", "GfxHotUnChecked", "GfxRadioChecked",
                          "GfxRadioUnChecked", "GfxHotRadioChecked", "GfxHotRadioUnChecked"})
        names << QLatin1String(n);
    for (const char* n : {"Icon", "IconOK", "IconWrong"})
        names << QStringLiteral("ODP_%1").arg(QLatin1String(n));
    return names;
}

QStringList ContentsWindow()
{
    QStringList names = {QStringLiteral("Tabka_Hover"),      QStringLiteral("Tabka_UP"),
                         QStringLiteral("Tabka_UP_Disable"), QStringLiteral("IMG_Books"),
                         QStringLiteral("IMG_Books_Disable"), QStringLiteral("Wiersz_L1_Hover"),
                         QStringLiteral("Wiersz_L1_UP"),     QStringLiteral("Wiersz_L2_Hover"),
                         QStringLiteral("Wiersz_L2_Up"),     QStringLiteral("img_plus"),
                         QStringLiteral("img_minus"),        QStringLiteral("img_prtlo"),
                         QStringLiteral("img_pr"),           QStringLiteral("ListItem"),
                         QStringLiteral("ListItemSelected"), QStringLiteral("ListItemHover"),
                         QStringLiteral("naglUp1"),          QStringLiteral("naglUp2"),
                         QStringLiteral("naglUp3"),          QStringLiteral("IMG_PRTlo"),
                         QStringLiteral("IMG_PR")};
    for (int n : TypeIconNumbers())
        names << QStringLiteral("Typ_%1").arg(n);
    return names;
}

QStringList Login()
{
    QStringList names;
    for (const char* plec : {"K", "M"}) {
        for (int n : AvatarNumbers()) {
            if (n != 1)
                names << QStringLiteral("C%1%2").arg(QLatin1String(plec)).arg(n);
        }
    }
    for (int k = 1; k <= 6; ++k)
        names << QStringLiteral("COLOR%1").arg(k);
    names << QStringLiteral("BTN_Zalogowany") << QStringLiteral("USER_HOVER") << QStringLiteral("USER_EDIT")
          << QStringLiteral("USER_DELETE");
    return names;
}

QStringList Glyphs()
{
    return {QStringLiteral("glyphWroc"),           QStringLiteral("glyphSpisTresci"),
            QStringLiteral("glyphTlumaczenie"),    QStringLiteral("glyphHelp"),
            QStringLiteral("glyphMinimize"),       QStringLiteral("glyphMinimizeHot"),
            QStringLiteral("glyphMinimizeDown"),   QStringLiteral("glyphZamknij"),
            QStringLiteral("glyphZamknijHot"),     QStringLiteral("glyphZamknijDown"),
            QStringLiteral("glyphSprawdz"),        QStringLiteral("glyphJeszczeRaz"),
            QStringLiteral("glyphRecord"),         QStringLiteral("glyphWhileRecording"),
            QStringLiteral("glyphPlay"),           QStringLiteral("glyphPause"),
            QStringLiteral("glyphStop"),           QStringLiteral("glyphDrukuj"),
            QStringLiteral("glyphKlawiatura"),     QStringLiteral("glyphSlownik"),
            QStringLiteral("glyphMenu"),           QStringLiteral("glyphUstawienia"),
            QStringLiteral("glyphWyloguj"),        QStringLiteral("glyphPostepy"),
            QStringLiteral("glyphFiszki"),         QStringLiteral("glyphTrenerWymowy"),
            QStringLiteral("glyphStart"),          QStringLiteral("btn_speakers"),
            QStringLiteral("btn_movie")};
}

QStringList ScreenPictures()
{
    QStringList names = {QStringLiteral("IMG_OK"),          QStringLiteral("IMG_Zle"),
                         QStringLiteral("IMG_Info"),        QStringLiteral("STAT_ICO_GRAY"),
                         QStringLiteral("IMG_Osoba_X"),     QStringLiteral("IMG_Mic"),
                         QStringLiteral("IMG_Mic_Stop"),    QStringLiteral("IMG_Chlopek"),
                         QStringLiteral("IMG_Ramka"),       QStringLiteral("IMG_KwestiaDrop"),
                         QStringLiteral("Stan_0"),          QStringLiteral("Stan_1"),
                         QStringLiteral("IMG_Miejsce1"),    QStringLiteral("IMG_miejsce2"),
                         QStringLiteral("IMG_miejsce3"),    QStringLiteral("IMG_Kostka1"),
                         QStringLiteral("IMG_Kostka2"),     QStringLiteral("IMG_Kostka3"),
                         QStringLiteral("imgPL_1"),         QStringLiteral("imgPL_2"),
                         QStringLiteral("imgPL_3"),         QStringLiteral("PREZ_ZNAK_ZAPYTANIA"),
                         QStringLiteral("PREZ_ZNAK_ZAP_WPISAC"), QStringLiteral("PREZ_KOSTKA1_01_VAR"),
                         QStringLiteral("PREZ_KOSTKA1_02_VAR"), QStringLiteral("PREZ_KOSTKA1_03_VAR"),
                         QStringLiteral("PREZ_KOSTKA1_04"), QStringLiteral("PREZ_RAMKA_WPISANY_01"),
                         QStringLiteral("PREZ_RAMKA_WPISANY_02"), QStringLiteral("PREZ_RAMKA_WPISANY_03"),
                         QStringLiteral("imgWordArrow"),    QStringLiteral("imgPhonemeMarker"),
                         QStringLiteral("imgWaveActive"),   QStringLiteral("imgWaveInactive"),
                         QStringLiteral("imgBackgroundBig"), QStringLiteral("imgBackgroundSmall"),
                         QStringLiteral("imgPSzerL"),       QStringLiteral("imgPSzerP"),
                         QStringLiteral("imgPWaskiL"),      QStringLiteral("imgPWaskiP"),
                         QStringLiteral("Pasek_Tlo"),       QStringLiteral("Suwak")};
    for (int k = 1; k <= 5; ++k)
        names << QStringLiteral("IMG_Osoba_%1").arg(k);
    for (int v = 0; v <= 100; v += 5)
        names << QStringLiteral("imgPSzer%1").arg(three(v)) << QStringLiteral("imgPWaski%1").arg(three(v));
    return names;
}

QStringList All()
{
    return Buttons() + Dialogs() + TopBar() + Panels() + ContentsWindow() + Login() + Glyphs() + ScreenPictures();
}

QStringList Waves()
{
    return {QStringLiteral("wynik"), QStringLiteral("d_s_2"), QStringLiteral("d_ok"), QStringLiteral("No")};
}

} // namespace PictureNames
