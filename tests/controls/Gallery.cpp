// Renders every skinned control in every state onto one page, and a composed
// exercise window at 1024 x 768, as PNG files for a person to judge.
// Usage: controls_gallery <page.png> <window.png>

#include "ApplySkin.h"
#include "PictureNames.h"
#include "SkinFonts.h"
#include "TAALabel.h"
#include "TEDCheckBox.h"
#include "TEZLine.h"
#include "TEdBelka.h"
#include "TEdDialogWindow.h"
#include "TEdDymek.h"
#include "TEdGroupFrame.h"
#include "TEdKlawiaturka.h"
#include "TEdListBox.h"
#include "TEdMsgBoxWindow.h"
#include "TEdOdpList.h"
#include "TEdProgress.h"
#include "TEdResButton.h"
#include "TEdZeszytStatystyki.h"
#include "TWOwnrScrllBar.h"
#include "TestSupport.h"

#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <functional>

using namespace testsupport;

namespace {

const QColor Navy(0x06, 0x36, 0x63);

QFont trebuchet(int pt, bool bold = false) { return SkinFont(QStringLiteral("Trebuchet MS"), pt, bold); }

// Renders a widget (and its children) onto the page at a point.
void put(QPainter& page, QWidget* w, QPoint at)
{
    w->render(&page, at, QRegion(), QWidget::DrawChildren);
}

void heading(QPainter& page, int x, int y, const QString& text)
{
    page.save();
    page.setFont(SkinFont(QStringLiteral("Trebuchet MS"), 14, true));
    page.setPen(Navy);
    page.drawText(QPoint(x, y + 18), text);
    page.setPen(QColor(0x02, 0xAD, 0xE4));
    page.drawLine(x, y + 25, x + 360, y + 25);
    page.restore();
}

void label(QPainter& page, int x, int y, const QString& text, const QColor& color = QColor(0x60, 0x6B, 0x78))
{
    page.save();
    page.setFont(SkinFont(QStringLiteral("Tahoma"), 8));
    page.setPen(color);
    page.drawText(QPoint(x, y + 11), text);
    page.restore();
}

enum class Hover { Normal, Hot, Pressed, Disabled };
const char* const HoverNames[] = {"normalny", "pod myszą", "wciśnięty", "nieaktywny"};

void setState(TEdResButton* b, Hover h)
{
    b->setEnabled(h != Hover::Disabled);
    if (h == Hover::Hot || h == Hover::Pressed)
        enter(b);
    if (h == Hover::Pressed)
        press(b, QPoint(3, 3));
}

TEdResButton* button(QWidget* host, TRozmiar r, TElementy e, int g, int w, const QString& caption, const QImage& glyph)
{
    auto* b = new TEdResButton(host);
    b->setRozmiar(r);
    b->setSkladowe(e);
    b->setGrafikaIndex(g);
    b->resize(w, b->height());
    b->setCaption(caption);
    b->setFont(trebuchet(12));
    b->setGlyph(glyph);
    b->setFontColor(g == 3 ? Navy : Qt::white);
    b->setResourceLibrary(&library());
    return b;
}

void drawPage(QPainter& page)
{
    const ResourceLibrary& lib = library();
    page.fillRect(QRect(0, 0, 1400, 3300), QColor(0xEE, 0xF2, 0xF6));
    QWidget host;
    host.resize(1400, 3300);
    int y = 16;

    heading(page, 20, y, QStringLiteral("Przyciski: zestawy GrafikaIndex 1-6, dziewięć części (roz50)"));
    y += 36;
    static const char* const setNames[] = {"", "1 niebieski", "2 zielony", "3 jasny", "4 granatowy", "5 pomarańczowy", "6 szkło"};
    for (int g = 1; g <= 6; ++g) {
        if (g == 6)
            page.fillRect(QRect(14, y - 4, 1300, 60), QColor(0x0B, 0x4A, 0x82));
        label(page, 20, y + 18, QString::fromUtf8(setNames[g]), g == 6 ? QColor(Qt::white) : QColor(0x60, 0x6B, 0x78));
        for (int h = 0; h < 4; ++h) {
            auto* b = button(&host, roz50, el9, g, 200, QStringLiteral("Sprawdź"), lib.picture(QStringLiteral("glyphSprawdz")));
            setState(b, static_cast<Hover>(h));
            put(page, b, QPoint(130 + h * 215, y));
            if (g == 1)
                label(page, 130 + h * 215, y - 14, QString::fromUtf8(HoverNames[h]));
        }
        y += 62;
    }
    y += 8;
    heading(page, 20, y, QStringLiteral("Trzy części (el3) we wszystkich rozmiarach; płaski; wciśnięty na stałe"));
    y += 36;
    const TRozmiar sizes[] = {roz22, roz32, roz50, roz64, roz70, roz80, roz100};
    static const char* const sizeNames[] = {"roz22", "roz32", "roz50", "roz64", "roz70", "roz80", "roz100"};
    int x = 20;
    for (int i = 0; i < 7; ++i) {
        auto* b = button(&host, sizes[i], el3, i % 2 ? 2 : 1, 150, QStringLiteral("Dalej"), QImage());
        label(page, x, y, QString::fromLatin1(sizeNames[i]));
        put(page, b, QPoint(x, y + 16));
        x += 160;
    }
    y += 130;
    {
        auto* flat = button(&host, roz50, el9, 1, 180, QStringLiteral("Płaski"), QImage());
        flat->setFlat(true);
        flat->setFontColor(Navy);
        label(page, 20, y, QStringLiteral("płaski, normalny"));
        put(page, flat, QPoint(20, y + 14));
        auto* flatHot = button(&host, roz50, el9, 1, 180, QStringLiteral("Płaski"), QImage());
        flatHot->setFlat(true);
        enter(flatHot);
        label(page, 220, y, QStringLiteral("płaski, pod myszą"));
        put(page, flatHot, QPoint(220, y + 14));
        auto* down = button(&host, roz50, el9, 3, 180, QStringLiteral("Wybrany"), QImage());
        down->setDown(true);
        label(page, 420, y, QStringLiteral("Down"));
        put(page, down, QPoint(420, y + 14));
        auto* left = button(&host, roz50, el9, 2, 220, QStringLiteral("Do lewej"), lib.picture(QStringLiteral("glyphJeszczeRaz")));
        left->setAlignment(taLeftJustify);
        left->setSpacing(14);
        left->setKorektaCaption(6);
        label(page, 620, y, QStringLiteral("taLeftJustify z ikoną"));
        put(page, left, QPoint(620, y + 14));
        auto* icon = button(&host, roz50, el9, 4, 60, QString(), lib.picture(QStringLiteral("glyphKlawiatura")));
        icon->setShowCaption(false);
        label(page, 860, y, QStringLiteral("tylko ikona"));
        put(page, icon, QPoint(860, y + 14));
        auto* media = button(&host, roz50, el9, 1, 176, QStringLiteral("Słuchaj"), lib.picture(QStringLiteral("btn_speakers")));
        label(page, 940, y, QStringLiteral("przycisk mediów"));
        put(page, media, QPoint(940, y + 14));
    }
    y += 80;

    heading(page, 20, y, QStringLiteral("Pasek górny: przyciski paska, strzałki nawigacji, zakładki stron, wybór języka"));
    y += 36;
    {
        auto* bar = new TEdBelka(&host);
        bar->resize(1024, 50);
        bar->setStylBelki(1);
        bar->setResourceLibrary(&lib);
        put(page, bar, QPoint(20, y));
        static const char* const glyphs[] = {"glyphWroc", "glyphSpisTresci", "glyphTlumaczenie", "glyphHelp"};
        static const char* const captions[] = {"Menu", "Spis treści", "Słownik", "Pomoc"};
        for (int h = 0; h < 4; ++h) {
            auto* b = button(&host, rozBelka, el3, 1, h == 1 ? 140 : 110, QString::fromUtf8(captions[h]),
                             lib.picture(QLatin1String(glyphs[h])));
            setState(b, static_cast<Hover>(h));
            put(page, b, QPoint(20 + 455 + h * 140, y));
        }
        for (int k = 0; k < 3; ++k) {
            const TRozmiar navi[] = {rozPaczkaNaviPrev, rozPaczkaNaviNext, rozPaczkaNaviZawartosc};
            auto* b = button(&host, navi[k], el3, 1, 32, QString(), QImage());
            b->setShowCaption(false);
            setState(b, k == 0 ? Hover::Normal : k == 1 ? Hover::Hot : Hover::Normal);
            put(page, b, QPoint(20 + 80 + k * 40 - (k == 2 ? -5 : 0), y + 8));
        }
        auto* close = button(&host, rozBelka, el3, 1, 34, QString(), lib.picture(QStringLiteral("glyphZamknij")));
        close->setRozmiar(rozUndefined);
        close->resize(34, 18);
        close->setShowCaption(false);
        close->setGlyphHot(lib.picture(QStringLiteral("glyphZamknijHot")));
        put(page, close, QPoint(20 + 982, y + 16));
    }
    y += 60;
    for (int h = 0; h < 4; ++h) {
        label(page, 20 + h * 200, y, QString::fromUtf8(HoverNames[h]) + QStringLiteral(" (strzałki i zakładka 3)"));
        for (int k = 0; k < 3; ++k) {
            const TRozmiar navi[] = {rozPaczkaNaviPrev, rozPaczkaNaviNext, rozPaczkaNaviZawartosc};
            auto* b = button(&host, navi[k], el3, 1, 32, QString(), QImage());
            b->setShowCaption(false);
            setState(b, static_cast<Hover>(h));
            page.fillRect(QRect(20 + h * 200 + k * 38 - 3, y + 17, 38, 38), QColor(0x12, 0x35, 0x66));
            put(page, b, QPoint(20 + h * 200 + k * 38, y + 20));
        }
        auto* tab = button(&host, rozZakladka, el3, 1, 70, QString(), QImage());
        tab->setShowCaption(false);
        tab->setTag(3);
        setState(tab, static_cast<Hover>(h));
        put(page, tab, QPoint(20 + h * 200 + 118, y + 12));
    }
    {
        auto* lang = button(&host, rozWyborJezyka, el3, 1, 240, QStringLiteral("Niemiecki"), QImage());
        lang->setFont(trebuchet(18, true));
        lang->setAlignment(taLeftFixed);
        lang->setFixedTekstX(24);
        lang->setFixedGlyphX(0);
        label(page, 830, y, QStringLiteral("wybór języka (pod myszą)"));
        enter(lang);
        put(page, lang, QPoint(830, y + 14));
    }
    y += 96;

    heading(page, 20, y, QStringLiteral("Paski górne: zalogowany (-1), style 0-5, nowy styl 0-5"));
    y += 36;
    {
        auto* bar = new TEdBelka(&host);
        bar->resize(1024, 50);
        bar->setPlec(QStringLiteral("K"));
        bar->setLudzikIndex(21);
        bar->setZalogowany(QStringLiteral("Anna Kowalska"));
        bar->setResourceLibrary(&lib);
        put(page, bar, QPoint(20, y));
        label(page, 1050, y + 18, QStringLiteral("StylBelki -1"));
        y += 56;
        static const char* const langs[] = {"program", "angielski", "niemiecki", "włoski", "hiszpański", "francuski"};
        for (int nowy = 0; nowy < 2; ++nowy) {
            for (int s = 0; s <= 5; ++s) {
                auto* b = new TEdBelka(&host);
                b->resize(1024, 50);
                b->setStylBelki(s);
                b->setNowyStyl(nowy);
                b->setPlec(s % 2 ? QStringLiteral("M") : QStringLiteral("K"));
                b->setLudzikIndex(11 + s);
                b->setZalogowany(s % 2 ? QStringLiteral("Piotr Nowak") : QStringLiteral("Zofia Wiśniewska"));
                b->setResourceLibrary(&lib);
                put(page, b, QPoint(20, y));
                label(page, 1050, y + 18, QStringLiteral("%1 %2").arg(nowy ? QStringLiteral("nowy") : QStringLiteral("ekran"),
                                                                       QString::fromUtf8(langs[s])));
                y += 54;
            }
        }
    }
    y += 10;

    heading(page, 20, y, QStringLiteral("Okna dialogowe i komunikaty"));
    y += 36;
    {
        int dx = 20;
        const TIconType icons[] = {icoQuestion, icoInformation, icoExclamation, icoError};
        static const char* const titles[] = {"Wyjście", "Informacja", "Uwaga", "Błąd"};
        static const char* const texts[] = {"Czy na pewno zamknąć program?", "Brak zainstalowanej drukarki.",
                                            "Lekcja nie została odinstalowana.", "Brak pliku ćwiczenia! (61)"};
        for (int i = 0; i < 4; ++i) {
            QWidget* box = new QWidget(&host);
            box->resize(320, 170);
            auto* frame = new TEdMsgBoxWindow(box);
            frame->setCaption(QString::fromUtf8(titles[i]));
            frame->setIcon(icons[i]);
            frame->setResourceLibrary(&lib);
            auto* text = new TAALabel(box);
            text->setGeometry(74, 62, 230, 60);
            text->setWordWrap(true);
            text->setFont(SkinFontPx(QStringLiteral("Trebuchet MS"), 16));
            text->setFontColor(Qt::white);
            text->setCaption(QString::fromUtf8(texts[i]));
            if (i == 0) {
                auto* yes = button(box, roz32, el9, 2, 90, QStringLiteral("Tak"), QImage());
                yes->move(120, 128);
                auto* no = button(box, roz32, el9, 6, 90, QStringLiteral("Nie"), QImage());
                no->move(218, 128);
            } else {
                auto* ok = button(box, roz32, el9, 1, 100, QStringLiteral("OK"), QImage());
                ok->move(208, 128);
            }
            put(page, box, QPoint(dx, y));
            dx += 335;
        }
        y += 182;
        QWidget* white = new QWidget(&host);
        white->resize(420, 200);
        auto* wf = new TEdDialogWindow(white);
        wf->setDialogStyle(dsWhite);
        wf->setBelkaSize(bs60);
        wf->setIconIndex(2);
        wf->setCaption(QStringLiteral("Ustawienia"));
        wf->setResourceLibrary(&lib);
        put(page, white, QPoint(20, y));
        QWidget* blue = new QWidget(&host);
        blue->resize(420, 200);
        auto* bf = new TEdDialogWindow(blue);
        bf->setBelkaSize(bs60);
        bf->setCaption(QStringLiteral("Nowy profil"));
        bf->setResourceLibrary(&lib);
        put(page, blue, QPoint(460, y));
        label(page, 900, y + 10, QStringLiteral("biały bs60 z ikoną; niebieski bs60"));
        y += 214;
    }

    heading(page, 20, y, QStringLiteral("Ramki, etykiety, pola wyboru, klawiatura, lista odpowiedzi"));
    y += 36;
    {
        auto* blueFrame = new TEdGroupFrame(&host);
        blueFrame->resize(300, 150);
        blueFrame->setShowCaption(true);
        blueFrame->setCaption(QStringLiteral("Ramka niebieska"));
        blueFrame->setFont(trebuchet(11, true));
        blueFrame->setCaptionPositionX(16);
        blueFrame->setCaptionPositionY(8);
        blueFrame->setResourceLibrary(&lib);
        put(page, blueFrame, QPoint(20, y));
        auto* whiteFrame = new TEdGroupFrame(&host);
        whiteFrame->resize(300, 150);
        whiteFrame->setFrameType(ftFrame_White);
        whiteFrame->setShowCaption(true);
        whiteFrame->setCaption(QStringLiteral("Ramka biała"));
        whiteFrame->setFontColor(Navy);
        whiteFrame->setFont(trebuchet(11, true));
        whiteFrame->setCaptionPositionX(14);
        whiteFrame->setCaptionPositionY(8);
        whiteFrame->setResourceLibrary(&lib);
        put(page, whiteFrame, QPoint(340, y));
        // Check boxes and radio boxes on the white frame.
        for (int i = 0; i < 4; ++i) {
            auto* box = new TEDCheckBox(&host);
            const bool radio = i >= 2;
            const QString p = radio ? QStringLiteral("Radio") : QString();
            box->setGfxChecked(lib.picture(QStringLiteral("Gfx%1Checked").arg(p)));
            box->setGfxUnChecked(lib.picture(QStringLiteral("Gfx%1UnChecked").arg(p)));
            box->setGfxHotChecked(lib.picture(QStringLiteral("GfxHot%1Checked").arg(p)));
            box->setGfxHotUnChecked(lib.picture(QStringLiteral("GfxHot%1UnChecked").arg(p)));
            box->setFont(trebuchet(11));
            box->setFontColor(Navy);
            box->setCaption(radio ? (i == 2 ? QStringLiteral("Kobieta") : QStringLiteral("Mężczyzna"))
                                  : (i == 0 ? QStringLiteral("Hasło do logowania") : QStringLiteral("Rozróżniaj wielkość liter (pod myszą)")));
            box->setChecked(i == 0 || i == 2);
            if (i == 1)
                enter(box);
            put(page, box, QPoint(356, y + 40 + i * 26));
        }
        auto* aa = new TAALabel(&host);
        aa->setGeometry(0, 0, 260, 120);
        aa->setFont(SkinFontPx(QStringLiteral("Georgia"), 20));
        aa->setFontColor(Qt::white);
        aa->setWordWrap(true);
        aa->setCaption(QStringLiteral("Zażółć gęślą jaźń. Etykieta wygładzana, zawijana w ramce."));
        put(page, aa, QPoint(40, y + 40));

        // Keyboards of three sets.
        const TZestaw sets[] = {zNiemiecki, zHiszpanski, zFrancuski};
        int kx = 670;
        for (TZestaw s : sets) {
            auto* k = new TEdKlawiaturka(&host);
            k->setZestawZnakow(s);
            k->setInstancja(&lib);
            put(page, k, QPoint(kx, y));
            kx += 160;
        }
        y += 170;
        // Answer lists: nothing chosen with the mouse over answer 2; a wrong choice.
        for (int v = 0; v < 3; ++v) {
            auto* list = new TEdOdpList(&host);
            list->resize(400, 190);
            list->setFont(SkinFontPx(QStringLiteral("Georgia"), 15, true));
            list->setIcon(lib.picture(QStringLiteral("ODP_Icon")));
            list->setIconOK(lib.picture(QStringLiteral("ODP_IconOK")));
            list->setIconWrong(lib.picture(QStringLiteral("ODP_IconWrong")));
            list->setOdp(1, QStringLiteral("the kitchen"));
            list->setOdp(2, QStringLiteral("the bedroom"));
            list->setOdp(3, QStringLiteral("the bathroom"));
            list->setOdp(4, QStringLiteral("the garden"));
            if (v == 0) {
                list->hoverAt(list->layoutItems().at(1).band.center());
            } else {
                list->setSelectedItem(2);
                list->setCorrect(3);
                list->setHighLightCorrect(v == 1);
            }
            page.fillRect(QRect(20 + v * 420, y, 400, 190), Qt::white);
            put(page, list, QPoint(20 + v * 420, y));
        }
        label(page, 20, y + 192, QStringLiteral("lista odpowiedzi: mysz nad 2; wybrano 2, dobra 3; bez podświetlenia poprawnej"));
        y += 214;
    }

    heading(page, 20, y, QStringLiteral("Panel wyniku, zeszyt statystyki, dymek, pasek przewijania, linie"));
    y += 36;
    {
        const int scores[] = {0, 7, 45, 80, 99, 100};
        for (int i = 0; i < 6; ++i) {
            auto* panel = new TEdProgress(&host);
            panel->setWynik(scores[i]);
            panel->setResourceLibrary(&lib);
            put(page, panel, QPoint(20 + (i % 3) * 270, y + (i / 3) * 96));
        }
        auto* notebook = new TEdZeszytStatystyki(&host);
        notebook->setPoprawnie(42);
        notebook->setBlednie(7);
        notebook->setXFactor(86);
        notebook->setShowPowtorki(true);
        notebook->setPowtorki(3);
        notebook->setOstataniaPowtorka(QStringLiteral("12-03-2026"));
        notebook->setResourceLibrary(&lib);
        page.fillRect(QRect(840, y, 155, 200), QColor(0xFF, 0xFB, 0xE6));
        put(page, notebook, QPoint(840, y));
        auto* bubbleHost = new QWidget(&host);
        bubbleHost->resize(360, 120);
        auto* bubble = new TEdDymek(bubbleHost);
        bubble->setFont(SkinFontPx(QStringLiteral("Verdana"), 13));
        bubble->setResourceLibrary(&lib);
        ShowBubble(bubble, 10, 110, QStringLiteral("Posłuchaj nagrania i uzupełnij luki w zdaniach. Kliknij, aby ukryć tłumaczenie."));
        put(page, bubbleHost, QPoint(1010, y));
        for (int i = 0; i < 3; ++i) {
            auto* sb = new TWOwnrScrllBar(&host);
            sb->resize(21, 180);
            sb->setDrawStyle(TWOwnrScrllBar::osbOwnerDraw);
            sb->setCtrl3D(false);
            sb->setMin(0);
            sb->setMax(40);
            sb->UseLibraryPictures(lib);
            sb->setPosition(i * 20);
            page.fillRect(QRect(1010 + i * 40, y + 130, 21, 180), Qt::white);
            put(page, sb, QPoint(1010 + i * 40, y + 130));
        }
        QImage lines(340, 110, QImage::Format_RGB32);
        lines.fill(Qt::white);
        TEZLine line;
        line.SetLine(QColor(0x02, 0xAD, 0xE4), true, TEZLine::pmCopy, TEZLine::psSolid, false, 0, 1.0, 3.0);
        line.DrawLine(10, 10, 330, 100, lines);
        line.SetLine(QColor(0x00, 0x9A, 0x2B), true, TEZLine::pmCopy, TEZLine::psSolid, false, 0, 1.0, 3.0);
        line.DrawLine(10, 100, 330, 20, lines);
        line.SetLine(QColor(0xD9, 0x3A, 0x3A), true, TEZLine::pmCopy, TEZLine::psDash, false, 0, 0.8, 2.0);
        line.DrawLine(10, 55, 330, 55, lines);
        page.drawImage(20, y + 200, lines);
        label(page, 370, y + 200, QStringLiteral("TEZLine: szerokość 3, wygładzana; przerywana"));
        y += 330;
    }

    heading(page, 20, y, QStringLiteral("Ikony typów ćwiczeń i rodzajów pakietów, znaczniki, ikony przycisków"));
    y += 36;
    {
        const int types[] = {2, 3, 4, 5, 7, 11, 14, 18, 26, 31, 41, 42, 44, 48, 51, 53, 54, 55, 56, 61, 62, 64, 68, 1};
        int ix = 20;
        for (int t : types) {
            page.drawImage(ix, y, lib.picture(QStringLiteral("Typ_%1").arg(t)));
            label(page, ix, y + 26, QString::number(t));
            ix += 44;
        }
        y += 46;
        ix = 20;
        for (int k = 100; k <= 116; ++k) {
            page.drawImage(ix, y, lib.picture(QStringLiteral("Typ_%1").arg(k)));
            label(page, ix, y + 26, QString::number(k));
            ix += 44;
        }
        ix += 20;
        for (const char* n : {"IMG_OK", "IMG_Zle", "IMG_Info", "IMG_Books", "IMG_Books_Disable", "img_plus", "img_minus",
                              "IMG_Mic", "IMG_Chlopek", "Stan_0", "Stan_1"}) {
            page.drawImage(ix, y, lib.picture(QLatin1String(n)));
            ix += 34;
        }
        y += 46;
        page.fillRect(QRect(14, y - 6, 1300, 40), QColor(0x0B, 0x4A, 0x82));
        ix = 20;
        for (const QString& n : PictureNames::Glyphs()) {
            page.drawImage(ix, y, lib.picture(n));
            ix += 40;
        }
        y += 46;
        ix = 20;
        for (int set : {1, 2}) {
            for (int c = 1; c <= 6; ++c) {
                page.drawImage(ix, y, lib.picture(QStringLiteral("CK%1").arg(set * 10 + c)));
                page.drawImage(ix, y + 64, lib.picture(QStringLiteral("CM%1").arg(set * 10 + c)));
                ix += 66;
            }
        }
        for (int c = 1; c <= 6; ++c)
            page.drawImage(20 + (c - 1) * 30, y + 132, lib.picture(QStringLiteral("COLOR%1").arg(c)));
        y += 170;
    }

    heading(page, 20, y, QStringLiteral("Wiersze spisu treści"));
    y += 36;
    {
        auto* list = new TEdListBox(&host);
        list->resize(798, 24 * 6);
        list->setItemHeight(24);
        static const char* const names[] = {"Lekcja 1. Powitania", "Słówka: powitania", "Dialog: w kawiarni", "Lekcja 2. Rodzina",
                                     "Lekcja 3. (bez ćwiczeń)", "Test słówek"};
        for (const char* n : names)
            list->addItem(QString::fromUtf8(n));
        list->OnDrawItem = [&lib](QPainter& p, const QRect& r, int row, bool) {
            const bool lesson = row == 0 || row == 3 || row == 4;
            const bool hovered = row == 1 || row == 3;
            if (lesson) {
                const bool empty = row == 4;
                p.drawImage(r.topLeft(), lib.picture(empty ? QStringLiteral("Tabka_UP_Disable")
                                                           : hovered ? QStringLiteral("Tabka_Hover") : QStringLiteral("Tabka_UP")));
                p.drawImage(r.topLeft() + QPoint(24, 0), lib.picture(empty ? QStringLiteral("IMG_Books_Disable") : QStringLiteral("IMG_Books")));
                p.setFont(SkinFont(QStringLiteral("Tahoma"), 11, true));
                p.setPen(empty ? QColor(0x80, 0x80, 0x80) : Navy);
            } else {
                p.drawImage(r, lib.picture(hovered ? QStringLiteral("Wiersz_L1_Hover") : QStringLiteral("Wiersz_L1_UP")));
                p.drawImage(r.topLeft() + QPoint(50, 0), lib.picture(QStringLiteral("Typ_%1").arg(row == 1 ? 107 : row == 2 ? 102 : 115)));
                p.setFont(SkinFont(QStringLiteral("Tahoma"), 10, true));
                p.setPen(hovered ? QColor(0x00, 0x29, 0x4F) : QColor(0x86, 0x86, 0x86));
            }
            p.drawText(QPoint(r.left() + (lesson ? 55 : 80), r.top() + 17),
                       QString::fromUtf8(names[row]));
            if (!lesson) {
                p.drawImage(r.topLeft() + QPoint(400, 9), lib.picture(QStringLiteral("img_prtlo")));
                const int score = row == 1 ? 80 : 45;
                p.drawImage(r.topLeft() + QPoint(400, 9), lib.picture(QStringLiteral("img_pr")), QRect(0, 0, score / 2, 6));
                p.setFont(SkinFont(QStringLiteral("Tahoma"), 10, true));
                p.drawText(QPoint(r.left() + 464, r.top() + 17), QStringLiteral("%1%").arg(score));
                p.drawText(QPoint(r.left() + 519, r.top() + 17), QStringLiteral("12-03-2026"));
            } else if (row != 4) {
                p.drawImage(r.topLeft() + QPoint(780, 10), lib.picture(row == 0 ? QStringLiteral("img_minus") : QStringLiteral("img_plus")));
                for (int c = 0; c < 3; ++c)
                    p.drawImage(r.topLeft() + QPoint(780 - 29 * (3 - c), 0), lib.picture(QStringLiteral("Typ_%1").arg(c == 0 ? 107 : c == 1 ? 102 : 101)));
            }
        };
        page.fillRect(QRect(20, y, 798, 144), Qt::white);
        put(page, list, QPoint(20, y));
        y += 160;
    }
}

// An exercise screen as a learner sees it: the bar in the English style,
// the navigation, a task in a white frame with a result panel and buttons.
void drawWindow(QPainter& page)
{
    const ResourceLibrary& lib = library();
    QWidget form;
    form.resize(1024, 768);
    const QImage background(QStringLiteral(KURS_PROGRAM_DIR) + QStringLiteral("/Gfx/bg_rozumienie.png"));
    page.drawImage(0, 50, background);

    auto* bar = new TEdBelka(&form);
    bar->setStylBelki(1);
    auto add = [&](TRozmiar r, int x, int y, int w, const QString& caption, const char* glyph, int g = 1) {
        auto* b = new TEdResButton(&form);
        b->setRozmiar(r);
        if (r != rozPaczkaNaviPrev && r != rozPaczkaNaviNext && r != rozPaczkaNaviZawartosc && r != rozZakladka)
            b->resize(w, b->height());
        b->move(x, y);
        b->setCaption(caption);
        b->setShowCaption(!caption.isEmpty());
        b->setFont(trebuchet(12));
        b->setGrafikaIndex(g);
        b->setSkladowe(r == roz50 ? el9 : el3);
        if (glyph)
            b->setGlyph(lib.picture(QLatin1String(glyph)));
        return b;
    };
    add(rozPaczkaNaviPrev, 80, 8, 32, QString(), nullptr);
    add(rozPaczkaNaviNext, 115, 8, 32, QString(), nullptr);
    add(rozPaczkaNaviZawartosc, 160, 8, 32, QString(), nullptr);
    add(rozBelka, 455, 0, 100, QStringLiteral("Menu"), "glyphWroc");
    add(rozBelka, 560, 0, 140, QStringLiteral("Spis treści"), "glyphSpisTresci");
    add(rozBelka, 705, 0, 130, QStringLiteral("Słownik"), "glyphTlumaczenie");
    TEdResButton* help = add(rozBelka, 840, 0, 105, QStringLiteral("Pomoc"), "glyphHelp");
    enter(help);
    auto* minimise = add(rozUndefined, 948, 16, 34, QString(), "glyphMinimize");
    minimise->resize(34, 18);
    auto* close = add(rozUndefined, 982, 16, 34, QString(), "glyphZamknij");
    close->resize(34, 18);
    for (int n = 1; n <= 4; ++n) {
        auto* tab = add(rozZakladka, 770, 100 + 50 * n, 70, QString(), nullptr);
        tab->setTag(n);
        tab->setEnabled(n != 2);
    }
    auto* lessonName = new TAALabel(&form);
    lessonName->setGeometry(210, 10, 215, 16);
    lessonName->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 9));
    lessonName->setFontColor(QColor(0xAD, 0xAD, 0xAD));
    lessonName->setCaption(QStringLiteral("LEKCJA 2. RODZINA"));
    auto* packageName = new TAALabel(&form);
    packageName->setGeometry(210, 24, 205, 20);
    packageName->setFont(SkinFont(QStringLiteral("Trebuchet MS"), 10));
    packageName->setFontColor(Qt::white);
    packageName->setCaption(QStringLiteral("Rozumienie ze słuchu"));

    auto* instruction = new TAALabel(&form);
    instruction->setGeometry(60, 80, 700, 60);
    instruction->setWordWrap(true);
    instruction->setFont(SkinFontPx(QStringLiteral("Georgia"), 22));
    instruction->setFontColor(QColor(0x06, 0x36, 0x63));
    instruction->setCaption(QStringLiteral("Posłuchaj nagrania i wybierz właściwą odpowiedź."));

    auto* frame = new TEdGroupFrame(&form);
    frame->setGeometry(50, 150, 700, 470);
    frame->setFrameType(ftFrame_White);
    auto* question = new TAALabel(&form);
    question->setGeometry(80, 175, 640, 30);
    question->setFont(SkinFontPx(QStringLiteral("Georgia"), 20, true));
    question->setFontColor(QColor(0x06, 0x36, 0x63));
    question->setCaption(QStringLiteral("Where does Tom's grandmother live?"));
    auto* answers = new TEdOdpList(&form);
    answers->setGeometry(70, 210, 660, 250);
    answers->setFont(SkinFontPx(QStringLiteral("Georgia"), 16, true));
    answers->setIcon(lib.picture(QStringLiteral("ODP_Icon")));
    answers->setIconOK(lib.picture(QStringLiteral("ODP_IconOK")));
    answers->setIconWrong(lib.picture(QStringLiteral("ODP_IconWrong")));
    answers->setOdp(1, QStringLiteral("In a small house near the sea."));
    answers->setOdp(2, QStringLiteral("In a flat in the city centre."));
    answers->setOdp(3, QStringLiteral("On a farm in the mountains."));
    answers->setOdp(4, QStringLiteral("With Tom and his parents."));
    answers->setSelectedItem(2);
    answers->setCorrect(1);
    add(roz50, 840, 180, 176, QStringLiteral("Słuchaj"), "btn_speakers");
    add(roz50, 840, 236, 176, QStringLiteral("Klawiatura"), "glyphKlawiatura", 4);
    add(roz50, 840, 292, 176, QStringLiteral("Popraw"), "glyphSprawdz", 5);
    add(roz50, 840, 348, 176, QStringLiteral("Jeszcze raz"), "glyphJeszczeRaz", 2);
    auto* panel = new TEdProgress(&form);
    panel->move(760, 640);
    panel->setWynik(75);
    ApplySkin(&form, &lib);
    form.render(&page, QPoint(), QRegion(), QWidget::DrawChildren);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <page.png> <window.png>\n", argv[0]);
        return 2;
    }
    app();
    try {
    QImage page(1400, 3300, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&page);
        p.setRenderHint(QPainter::Antialiasing);
        drawPage(p);
    }
    QImage window(1024, 768, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::white);
    {
        QPainter p(&window);
        drawWindow(p);
    }
    if (!page.save(QString::fromLocal8Bit(argv[1])) || !window.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write the gallery\n");
        return 1;
    }
    } catch (const PictureMissingError& e) {
        std::fprintf(stderr, "%s (%s)\n", e.what(), qPrintable(e.name()));
        return 1;
    }
    return 0;
}
