// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file's reader. Every field must be there, of its type and
// within the bounds the user's controls and fields keep; a key it does not
// know is refused too, so that a misspelt field is not silently dropped.

#include "filter/filtercontrols.h"
#include "lesson/lessonfile.h"
#include "lesson/lessonnames.h"
#include "numeric/rounding.h"
#include "settings/settingsrules.h"
#include "signal/signallimits.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <functional>
#include <set>

using Json = nlohmann::json;

namespace {

const std::string Unreadable = "Fichier de séance illisible : ";

struct LessonError {
    std::string Message;
};

[[noreturn]] void Fail(const std::string& what)
{
    throw LessonError{Unreadable + what};
}

// A name from the file, quoted and cut after 40 characters (never inside
// one), its control characters shown as "?".
std::string Quoted(std::string_view name)
{
    std::string out;
    int characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if ((c & 0xC0) != 0x80 && ++characters > 40) {
            out += "…";
            break;
        }
        out += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
    }
    return "« " + out + " »";
}

// A text the program shows: valid UTF-8 (the parser saw to that) with no
// control characters but, when `lines`, line feeds and tabs.
bool IsPlainText(const std::string& text, bool lines)
{
    for (unsigned char c : text)
        if ((c < 0x20 && !(lines && (c == '\n' || c == '\t'))) || c == 0x7F)
            return false;
    return true;
}

// One JSON object of the file: its fields read by name, each once; what is
// left over at the end is unknown.
class Fields {
public:
    Fields(const Json& object, std::string path) : m_object(object), m_path(std::move(path))
    {
        if (!m_object.is_object())
            Fail(Quoted(m_path) + " doit être un objet");
    }

    const Json& Get(const std::string& key)
    {
        const auto it = m_object.find(key);
        if (it == m_object.end())
            Fail("le champ " + Quoted(Name(key)) + " manque");
        m_read.insert(key);
        return *it;
    }

    std::int32_t Whole(const std::string& key, std::int64_t min, std::int64_t max)
    {
        const Json& v = Get(key);
        if (!v.is_number_integer())
            Fail(Quoted(Name(key)) + " doit être un nombre entier");
        const bool inside = v.is_number_unsigned() ? v.get<std::uint64_t>() <= static_cast<std::uint64_t>(max) &&
                                                         static_cast<std::int64_t>(v.get<std::uint64_t>()) >= min
                                                   : v.get<std::int64_t>() >= min && v.get<std::int64_t>() <= max;
        if (!inside)
            Fail(Quoted(Name(key)) + " est hors de ses limites (" + std::to_string(min) + " à " +
                 std::to_string(max) + ")");
        return static_cast<std::int32_t>(v.get<std::int64_t>());
    }

    double Real(const std::string& key, const std::function<bool(double)>& allowed, const std::string& bounds)
    {
        const Json& v = Get(key);
        if (!v.is_number())
            Fail(Quoted(Name(key)) + " doit être un nombre");
        const double x = v.get<double>();
        if (!std::isfinite(x) || !allowed(x))
            Fail(Quoted(Name(key)) + " est hors de ses limites (" + bounds + ")");
        return x;
    }

    bool Flag(const std::string& key)
    {
        const Json& v = Get(key);
        if (!v.is_boolean())
            Fail(Quoted(Name(key)) + " doit valoir true ou false");
        return v.get<bool>();
    }

    std::string Text(const std::string& key)
    {
        const Json& v = Get(key);
        if (!v.is_string())
            Fail(Quoted(Name(key)) + " doit être un texte");
        return v.get<std::string>();
    }

    template <typename Code>
    Code Word(const std::string& key, std::optional<Code> (*fromWord)(std::string_view))
    {
        const std::string word = Text(key);
        const std::optional<Code> code = fromWord(word);
        if (!code)
            Fail(Quoted(Name(key)) + " ne connaît pas la valeur " + Quoted(word));
        return *code;
    }

    Colour ColourField(const std::string& key)
    {
        const std::string text = Text(key);
        const std::optional<Colour> c = ColourFromText(text);
        if (!c)
            Fail(Quoted(Name(key)) + " doit être une couleur #RRVVBB");
        return *c;
    }

    Fields Object(const std::string& key) { return Fields(Get(key), Name(key)); }

    const Json& List(const std::string& key, std::size_t size)
    {
        const Json& v = Get(key);
        if (!v.is_array())
            Fail(Quoted(Name(key)) + " doit être une liste");
        if (v.size() != size)
            Fail(Quoted(Name(key)) + " doit compter " + std::to_string(size) + " éléments");
        return v;
    }

    std::string Name(const std::string& key) const { return m_path.empty() ? key : m_path + "." + key; }

    // Every field of the object was read.
    void Finish() const
    {
        for (auto it = m_object.begin(); it != m_object.end(); ++it)
            if (!m_read.count(it.key()))
                Fail("champ inconnu " + Quoted(Name(it.key())));
    }

private:
    const Json& m_object;
    std::string m_path;
    std::set<std::string> m_read;
};

void ReadSignal(Fields f, Lesson& l)
{
    l.FundamentalHz = f.Whole("f0_hz", MinFundamentalHz, MaxFundamentalHz);
    l.FullScaleValue = f.Real("pleine_echelle", IsFullScaleAllowed, "1e-100 à 1e100");
    l.MeanPercent = f.Whole("moyenne_pourcent", -MaxMeanBound, MaxMeanBound);
    l.Preset = f.Word<PresetKind>("forme", PresetFromWord);
    // The duty-cycle dialog sets whole per cent.
    l.DutyCycle = f.Real(
        "rapport_cyclique", [](double d) { return d >= 0 && d <= 1 && Round(d * 100.0L) / 100.0 == d; },
        "0 à 1 par pas de 0,01");
    const Json& list = f.List("harmoniques", HarmonicCount);
    for (int k = 1; k <= HarmonicCount; ++k) {
        Fields h(list[static_cast<std::size_t>(k - 1)], f.Name("harmoniques[" + std::to_string(k - 1) + "]"));
        h.Whole("rang", k, k);
        l.AmplitudePercent[k] = h.Whole("amplitude_pourcent", 0, 100);
        const std::int32_t phase = h.Whole("phase_degres", -90, 180);
        if (phase != -90 && phase != 0 && phase != 90 && phase != 180)
            Fail(Quoted(h.Name("phase_degres")) + " doit valoir -90, 0, 90 ou 180");
        l.PhaseDegrees[k] = phase;
        l.Shown[k] = h.Flag("visible");
        h.Finish();
    }
    f.Finish();
}

void ReadSynthesiser(Fields f, Lesson& l)
{
    l.MeanBound = f.Whole("moyenne_max_pourcent", 1, MaxMeanBound);
    l.KeyStep = f.Whole("increment_touches", MinKeyStep, MaxKeyStep);
    f.Finish();
    if (l.MeanPercent < -l.MeanBound || l.MeanPercent > l.MeanBound)
        Fail("« signal.moyenne_pourcent » dépasse « synthetiseur.moyenne_max_pourcent »");
}

void ReadFilter(Fields f, Lesson& l)
{
    l.Filter = f.Word<FilterKind>("type", FilterFromWord);
    l.CutoffHz = f.Real(
        "fc_hz", [](double fc) { return fc >= MinFrequencyHz && fc <= MaxFrequencyHz; }, "0,001 à 999999");
    l.CutoffTyped = f.Flag("fc_saisie");
    if (l.CutoffTyped && (l.CutoffHz < 1 || l.CutoffHz != std::floor(l.CutoffHz)))
        Fail("« filtre.fc_hz » saisie doit être un nombre entier de hertz");
    // A step of the track bar, position / 200 for positions 0..1000.
    l.Damping = f.Real(
        "amortissement",
        [](double m) {
            const long double position = std::round(m * 200.0L);
            return position >= 0 && position <= 1000 && DampingForPosition(static_cast<int>(position)) == m;
        },
        "0,005 à 5 par pas de 0,005");
    l.StaticGain = f.Real("gain_statique", IsStaticGainAllowed, "0, ou de 1e-100 à 1e100 en valeur absolue");
    f.Finish();
}

void ReadDisplay(Fields f, Lesson& l)
{
    DisplaySettings& d = l.Display;
    l.PeriodsShown = f.Real("periodes", IsPeriodsShownAllowed, "plus de 0 et moins de 10");
    d.OutputScaleFactor = f.Whole("facteur_sortie", 1, MaxOutputScaleFactor);
    if (d.OutputScaleFactor != 1 && d.OutputScaleFactor != 10 && d.OutputScaleFactor != 100 &&
        d.OutputScaleFactor != 1000 && d.OutputScaleFactor != 10000)
        Fail("« affichage.facteur_sortie » doit valoir 1, 10, 100, 1000 ou 10000");
    d.ShowIdealSignal = f.Flag("voir_signal");
    d.SuperposeOutput = f.Flag("superposer_sortie");
    d.ShowInputSpectrum = f.Flag("spectre_entree");
    d.ShowOutputSpectrum = f.Flag("spectre_sortie");
    d.SpectrumMode = f.Word<SpectrumMode>("mode_spectre", SpectrumModeFromWord);
    d.ShowLineValues = f.Flag("valeurs_raies");
    d.BlackBackground = f.Flag("fond_noir");
    d.PaperPalette = f.Flag("palette_papier");
    d.Plot.GridOn = f.Flag("quadrillage");
    d.Plot.GridDotted = f.Flag("quadrillage_pointille");
    d.Plot.GraduationLength = f.Whole("longueur_graduations", MinGraduationLength, MaxGraduationLength);
    d.Plot.FontName = f.Text("police");
    if (d.Plot.FontName.empty() || d.Plot.FontName.size() > MaxFontNameBytes || !IsPlainText(d.Plot.FontName, false))
        Fail("« affichage.police » doit être un nom de police d'au plus 100 octets, sans caractère de contrôle");
    d.Plot.FontSize = f.Whole("taille_police", MinGraduationFontPoints, MaxGraduationFontPoints);
    Fields c = f.Object("couleurs");
    d.Plot.AxisColour = c.ColourField("axes");
    d.SynthesisColour = c.ColourField("synthese");
    d.SignalColour = c.ColourField("signal");
    d.OutputColour = c.ColourField("sortie");
    d.InputSpectrumColour = c.ColourField("spectre_entree");
    d.OutputSpectrumColour = c.ColourField("spectre_sortie");
    const Json& list = c.List("harmoniques", HarmonicCount);
    for (int k = 1; k <= HarmonicCount; ++k) {
        const Json& v = list[static_cast<std::size_t>(k - 1)];
        const std::optional<Colour> colour = v.is_string() ? ColourFromText(v.get<std::string>()) : std::nullopt;
        if (!colour)
            Fail(Quoted(c.Name("harmoniques[" + std::to_string(k - 1) + "]")) + " doit être une couleur #RRVVBB");
        d.Plot.HarmonicColour[k] = *colour;
    }
    c.Finish();
    d.CopyWidthPx = f.Whole("copie_largeur_px", MinCopySizePx, MaxCopySizePx);
    d.CopyHeightPx = f.Whole("copie_hauteur_px", MinCopySizePx, MaxCopySizePx);
    f.Finish();
}

void ReadWindows(Fields f, Lesson& l)
{
    l.SettingsOpen = f.Flag("parametres");
    l.SoundOpen = f.Flag("son");
    l.ResponseOpen = f.Flag("reponse");
    f.Finish();
}

Lesson ReadTree(const Json& root)
{
    if (!root.is_object())
        Fail("le contenu n'est pas un objet JSON");
    if (!root.contains("format") || !root["format"].is_string() || root["format"].get<std::string>() != LessonFormatName)
        Fail("ce n'est pas un fichier de séance (champ « format » absent ou autre)");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || !version->is_number_unsigned() ||
        version->get<std::uint64_t>() == 0)
        Fail("le champ « version » doit être un nombre entier positif");
    if (version->get<std::uint64_t>() > static_cast<std::uint64_t>(LessonFormatVersion))
        throw LessonError{"Ce fichier de séance vient d'une version plus récente du programme (format " +
                          version->dump() + ", celui-ci lit le format " + std::to_string(LessonFormatVersion) +
                          ") : mettez le programme à jour pour l'ouvrir."};
    Fields top(root, "");
    top.Get("format");
    top.Get("version");
    Lesson l;
    l.Consigne = top.Text("consigne");
    if (l.Consigne.size() > MaxConsigneBytes || !IsPlainText(l.Consigne, true))
        Fail("« consigne » doit être un texte d'au plus 20000 octets, sans caractère de contrôle");
    l.FilterHidden = top.Flag("filtre_cache");
    ReadSignal(top.Object("signal"), l);
    ReadSynthesiser(top.Object("synthetiseur"), l);
    ReadFilter(top.Object("filtre"), l);
    ReadDisplay(top.Object("affichage"), l);
    ReadWindows(top.Object("fenetres"), l);
    top.Finish();
    return l;
}

} // namespace

std::string TooLargeMessage(std::size_t bytes)
{
    return Unreadable + "le fichier est trop grand (" + std::to_string(bytes / 1024) +
           " Kio ; une séance en fait au plus " + std::to_string(MaxLessonBytes / 1024) + ")";
}

LessonReadResult ReadLesson(std::string_view bytes)
{
    if (bytes.size() > MaxLessonBytes)
        return {std::nullopt, TooLargeMessage(bytes.size())};
    if (bytes.empty())
        return {std::nullopt, Unreadable + "le fichier est vide"};
    try {
        const Json root = Json::parse(bytes.begin(), bytes.end());
        return {ReadTree(root), {}};
    } catch (const LessonError& e) {
        return {std::nullopt, e.Message};
    } catch (const Json::parse_error& e) {
        if (e.byte > bytes.size())
            return {std::nullopt, Unreadable + "le texte s'arrête avant la fin (fichier tronqué ?)"};
        return {std::nullopt, Unreadable + "ce n'est pas du JSON valide (octet " + std::to_string(e.byte) + ")"};
    } catch (const Json::exception&) {
        return {std::nullopt, Unreadable + "ce n'est pas du JSON valide"};
    }
}
