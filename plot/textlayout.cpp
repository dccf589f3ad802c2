// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/textlayout.h"

#include "numeric/rounding.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qsizetype MaxFonts = 64;
constexpr qsizetype MaxTextsPerFont = 4096;
// Beyond any scale's count of graduations; whatever is left by then is
// still placed apart, one label at a time.
constexpr long long MaxStride = 100'000'000'000'000'000LL;

// What tells the fonts of the graphs apart; hashing a whole QFont costs
// more than the rest of a lookup.
struct FontKey {
    QString Family;
    int PixelSize;
    qreal PointSize;
    int Weight;
    bool Italic;
    int Stretch;
    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& k, size_t seed = 0)
{
    return qHashMulti(TextHash(k.Family, seed), k.PixelSize, k.PointSize, k.Weight, k.Italic, k.Stretch);
}

FontKey KeyOf(const QFont& f)
{
    return {f.family(), f.pixelSize(), f.pointSizeF(), f.weight(), f.italic(), f.stretch()};
}

// A text as the key of its extent.
struct TextKey {
    QString Text;
    bool operator==(const TextKey&) const = default;
};

size_t qHash(const TextKey& k, size_t seed = 0)
{
    return TextHash(k.Text, seed);
}

} // namespace

// The measures of a font, kept for the life of the application.
struct FontMeasure::Kept {
    explicit Kept(const QFont& font) : Metrics(font), Height(Metrics.height()), Ascent(Metrics.ascent()) {}
    QFontMetrics Metrics;
    int Height;
    int Ascent;
    int Blank = 1;
    int NumberBottom = 0;
    QHash<TextKey, TextExtent> Texts;
};

namespace {

// User-interface thread only. Emptied with the application, while the
// fonts it holds can still be released.
QHash<FontKey, std::shared_ptr<FontMeasure::Kept>>& KeptFonts()
{
    static QHash<FontKey, std::shared_ptr<FontMeasure::Kept>> fonts;
    static const bool registered = [] {
        qAddPostRoutine([] { KeptFonts().clear(); });
        return true;
    }();
    (void)registered;
    return fonts;
}

bool Within(const QRect& r, int w, int h)
{
    return r.isEmpty() || (r.left() >= 0 && r.top() >= 0 && r.right() < w && r.bottom() < h);
}

// The rectangle that holds both; an empty one counts for nothing.
inline QRect Hull(const QRect& a, const QRect& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return QRect(QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
                 QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

// Whether two rectangles share a pixel; an empty one shares none. Inline:
// a drawing makes thousands of these tests.
inline bool Meet(const QRect& a, const QRect& b)
{
    return !a.isEmpty() && !b.isEmpty() && a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

bool RectsApart(const QRect& inkA, const QRect& cellA, const QRect& inkB, const QRect& cellB, int gap)
{
    if (!inkA.isEmpty() && Meet(inkA.adjusted(-gap, -gap, gap, gap), inkB))
        return false;
    return !(Meet(cellA, inkB) || Meet(cellB, inkA));
}

long long NextStride(long long s)
{
    long long p = 1;
    while (p * 10 <= s)
        p *= 10;
    const long long d = s / p;
    return d == 1 ? 2 * p : d == 2 ? 5 * p : 10 * p;
}

} // namespace

size_t TextHash(QStringView text, size_t seed)
{
    size_t h = 14695981039346656037ULL ^ seed;
    for (const QChar c : text)
        h = (h ^ c.unicode()) * 1099511628211ULL;
    return h;
}

size_t FontHash(const QFont& font, size_t seed)
{
    return qHashMulti(TextHash(font.family(), seed), font.pixelSize(), font.pointSizeF(), font.weight(),
                      font.italic(), font.stretch());
}

FontMeasure::FontMeasure(const QFont& font) : m_font(font)
{
    auto& fonts = KeptFonts();
    const FontKey key = KeyOf(font);
    if (const auto found = fonts.constFind(key); found != fonts.constEnd()) {
        m_kept = *found;
        return;
    }
    if (fonts.size() >= MaxFonts)
        fonts.clear();
    m_kept = std::make_shared<Kept>(font);
    fonts.insert(key, m_kept);
    m_kept->Blank = std::max(1, Extent(QStringLiteral(" ")).Cell.width());
    const TextExtent digits = Extent(QStringLiteral("-0123456789.E"));
    m_kept->NumberBottom = std::max(digits.Cell.bottom(), digits.Ink.bottom()) + 1;
}

int FontMeasure::Height() const
{
    return m_kept->Height;
}

int FontMeasure::Ascent() const
{
    return m_kept->Ascent;
}

int FontMeasure::Blank() const
{
    return m_kept->Blank;
}

int FontMeasure::NumberBottom() const
{
    return m_kept->NumberBottom;
}

TextExtent FontMeasure::Extent(const QString& text) const
{
    QHash<TextKey, TextExtent>& texts = m_kept->Texts;
    if (const auto found = texts.constFind(TextKey{text}); found != texts.constEnd())
        return *found;
    const QFontMetrics& fm = m_kept->Metrics;
    TextExtent e;
    e.Cell = QRect(0, 0, fm.horizontalAdvance(text), fm.height());
    if (!text.isEmpty()) {
        // The glyphs' own bounds, as wide as the layout's bounds at least.
        const QRect tight = QFontMetricsF(m_font).tightBoundingRect(text).toAlignedRect();
        if (!tight.isEmpty()) {
            const QRect layout = fm.boundingRect(text);
            e.Ink = QRect(QPoint(std::min(tight.left(), layout.left()), tight.top()),
                          QPoint(std::max(tight.right(), layout.right()), tight.bottom()))
                        .translated(0, fm.ascent());
        }
    }
    if (texts.size() >= MaxTextsPerFont)
        texts.clear();
    texts.insert(TextKey{text}, e);
    return e;
}

int FontMeasure::HalfHeight() const
{
    return Round(m_kept->Height / 2.0L);
}

QPoint TextBoard::Origin(const QTransform& now) const
{
    return m_fromDevice.map(now.map(QPointF(0, 0))).toPoint();
}

bool TextBoard::Inside(const TextExtent& e, QPoint at) const
{
    return Within(e.Ink.translated(at), m_w, m_h) && Within(e.Cell.translated(at), m_w, m_h);
}

TextBoard::TextBoard(int w, int h, const QTransform& base) : m_w(w), m_h(h), m_fromDevice(base.inverted())
{
    m_items.reserve(64);
}

template <typename Test>
bool TextBoard::NoneMeets(const QRect& area, Test test) const
{
    if (area.isEmpty())
        return true;
    const int left = area.left(), top = area.top(), right = area.right(), bottom = area.bottom();
    for (const Item& p : m_items)
        if (p.Left <= right && left <= p.Right && p.Top <= bottom && top <= p.Bottom && test(p))
            return false;
    return true;
}

bool TextBoard::Apart(const TextExtent& e, QPoint at, bool cell) const
{
    const QRect ink = e.Ink.translated(at);
    const QRect area = cell ? e.Cell.translated(at) : QRect();
    const QRect hull = Hull(ink.isEmpty() ? ink : ink.adjusted(-1, -1, 1, 1), area);
    return NoneMeets(hull, [&](const Item& p) {
        return p.Blocked ? Meet(p.Ink, ink) || Meet(p.Ink, area) : !RectsApart(ink, area, p.Ink, p.Cell, 1);
    });
}

void TextBoard::Add(const QRect& ink, const QRect& cell, bool blocked)
{
    const QRect hull = Hull(ink, cell);
    if (!hull.isEmpty())
        m_items.push_back({ink, cell, hull.left(), hull.top(), hull.right(), hull.bottom(), blocked});
}

void TextBoard::Block(const QRect& r)
{
    Add(r, QRect(), true);
}

void TextBoard::Take(const TextExtent& e, QPoint at, bool cell)
{
    Add(e.Ink.translated(at), cell ? e.Cell.translated(at) : QRect(), false);
}

bool TextBoard::Clear(const QRect& r) const
{
    return NoneMeets(r, [&](const Item& p) { return Meet(p.Ink, r); });
}

std::optional<QPoint> TextBoard::Place(const TextExtent& e, std::initializer_list<QPoint> candidates, bool cell)
{
    for (const QPoint at : candidates)
        if (Fits(e, at, cell)) {
            Take(e, at, cell);
            return at;
        }
    return std::nullopt;
}

bool TextBoard::Apart(const TextExtent& a, QPoint atA, bool cellA, const TextExtent& b, QPoint atB, bool cellB,
                      int gap)
{
    return RectsApart(a.Ink.translated(atA), cellA ? a.Cell.translated(atA) : QRect(), b.Ink.translated(atB),
                      cellB ? b.Cell.translated(atB) : QRect(), gap);
}

bool LayRow(const TextBoard& board, std::vector<RowText>& row, Qt::Orientation along, double spacing, int gap)
{
    const bool horizontal = along == Qt::Horizontal;
    const long long limit = (horizontal ? board.Width() : board.Height()) - 1LL;
    for (RowText& t : row) {
        const QRect box = Hull(t.Extent.Ink, t.Extent.Cell).translated(t.At);
        const long long lo = horizontal ? box.left() : box.top();
        const long long hi = horizontal ? box.right() : box.bottom();
        long long shift = 0;
        if (lo < 0)
            shift = -lo;
        else if (hi > limit)
            shift = limit - hi;
        if (hi - lo > limit || (shift != 0 && 2.0 * static_cast<double>(std::llabs(shift)) >= spacing)) {
            t.In = false;
            continue;
        }
        t.At += horizontal ? QPoint(static_cast<int>(shift), 0) : QPoint(0, static_cast<int>(shift));
        t.In = board.Inside(t.Extent, t.At);
    }
    const RowText* previous = nullptr;
    for (const RowText& t : row) {
        if (!t.In)
            continue;
        if (previous && !TextBoard::Apart(previous->Extent, previous->At, true, t.Extent, t.At, true, gap))
            return false;
        previous = &t;
    }
    return true;
}

void TakeRow(TextBoard& board, std::vector<RowText>& row, int gap, int mirror)
{
    const RowText* previous = nullptr;
    auto free = [&](const RowText& t, QPoint at) {
        return board.Fits(t.Extent, at) &&
               (!previous || TextBoard::Apart(previous->Extent, previous->At, true, t.Extent, at, true, gap));
    };
    for (RowText& t : row) {
        const QPoint other(t.At.x() - mirror - t.Extent.Cell.width(), t.At.y());
        if (t.In && free(t, t.At)) {
        } else if (mirror >= 0 && free(t, other)) {
            t.At = other;
            t.In = true;
        } else {
            t.In = false;
            continue;
        }
        board.Take(t.Extent, t.At);
        previous = &t;
    }
}

void LayScale(TextBoard& board, const FontMeasure& fm, std::vector<ScaleMark>& marks, Qt::Orientation along,
              double spacing, int firstStride, bool centred, const std::function<QString(const ScaleMark&)>& text,
              int mirror)
{
    for (ScaleMark& m : marks)
        m.Shown = false;
    if (marks.empty())
        return;
    // Numbers side by side need a blank between them; one above the other,
    // the pixel between any two texts.
    const int gap = along == Qt::Horizontal ? fm.Blank() : 1;
    std::vector<QString> texts(marks.size());
    std::vector<TextExtent> extents(marks.size());
    std::vector<RowText> row;
    std::vector<std::size_t> chosen;
    row.reserve(marks.size());
    chosen.reserve(marks.size());
    for (long long stride = std::max(1, firstStride);; stride = NextStride(stride)) {
        row.clear();
        chosen.clear();
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const ScaleMark& m = marks[i];
            const bool labelled = m.Index > 0 && (stride == firstStride ? m.Index % firstStride == firstStride - 1
                                                                        : m.Multiple % stride == 0);
            if (!labelled)
                continue;
            if (texts[i].isNull()) {
                texts[i] = text(m);
                extents[i] = fm.Extent(texts[i]);
            }
            const TextExtent& e = extents[i];
            QPoint at = m.At;
            if (centred)
                at.rx() -= e.Cell.width() / 2;
            row.push_back({at, e, true});
            chosen.push_back(i);
        }
        if (chosen.size() <= 1 || LayRow(board, row, along, spacing, gap) || stride > MaxStride)
            break;
    }
    TakeRow(board, row, gap, mirror);
    for (std::size_t j = 0; j < chosen.size(); ++j) {
        const RowText& t = row[j];
        if (!t.In)
            continue;
        ScaleMark& m = marks[chosen[j]];
        m.Shown = true;
        m.At = t.At;
        m.Text = texts[chosen[j]];
    }
}

void FitMarginsToFont(PlotFrame& f, const QFont& font)
{
    const int px = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    auto grown = [px](int usual, int extent) {
        if (px <= 11)
            return usual;
        return std::max(usual, std::min(static_cast<int>(Round(static_cast<long double>(usual) * px / 11)), extent / 4));
    };
    f.LeftMargin = grown(15, f.W);
    f.RightMargin = grown(15, f.W);
    f.TopMargin = grown(10, f.H);
    f.BottomMargin = grown(10, f.H);
}

void MakeRoomUnderAxis(PlotFrame& f, double axisValue, const FontMeasure& fm)
{
    const long long need = fm.HalfHeight() + fm.NumberBottom();
    const int most = std::max(f.BottomMargin, f.H / 3);
    while (f.BottomMargin < most && f.Row(axisValue) + need > f.H)
        ++f.BottomMargin;
}

std::optional<QPoint> PlaceAxisTitle(TextBoard& board, const FontMeasure& fm, const TextExtent& title, int row,
                                     int fallbackRow)
{
    const int right = std::max(title.Ink.isEmpty() ? 0 : title.Ink.right(), title.Cell.right());
    const int x = std::min(board.Width() - 25, board.Width() - 1 - right);
    const int up = std::max(16, fm.Height() + 3);
    const int down = fm.HalfHeight();
    return board.Place(title, {{x, row - up}, {x, row + down}, {x, fallbackRow - up}, {x, fallbackRow + down}});
}

TextRecorder* TextRecorder::s_current = nullptr;

TextRecorder::TextRecorder() : m_previous(s_current)
{
    s_current = this;
}

TextRecorder::~TextRecorder()
{
    s_current = m_previous;
}

void TextRecorder::Add(const QPainter& painter, int x, int y, const QString& text, bool cell)
{
    const QFont& font = painter.font();
    const QFontMetrics fm(font);
    const QPointF corner = painter.worldTransform().map(QPointF(x, y));
    const QRectF tight = QFontMetricsF(font).tightBoundingRect(text);
    Text t;
    t.String = text;
    if (!tight.isEmpty())
        t.Ink = tight.translated(corner.x(), corner.y() + fm.ascent()).toAlignedRect();
    if (cell)
        t.Cell = QRect(corner.toPoint(), QSize(fm.horizontalAdvance(text), fm.height()));
    m_texts.push_back(t);
}
