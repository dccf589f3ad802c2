// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile lesson files, kept small in fixtures/: each is refused with a
// French message that names its problem, and nothing is read from it.

#include "lesson/lessonfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Fixture(const std::string& name)
{
    std::ifstream in(std::string(LESSON_FIXTURES) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct HostileCase {
    const char* file;
    const char* message; // a part of the message
};

const HostileCase HostileCases[] = {
    {"vide.seance", "le fichier est vide"},
    {"binaire.seance", "ce n'est pas du JSON valide"},
    {"pas-json.seance", "ce n'est pas du JSON valide"},
    {"tronque.seance", "fichier tronqué"},
    {"liste.seance", "n'est pas un objet JSON"},
    {"autre-format.seance", "ce n'est pas un fichier de séance"},
    {"version-future.seance", "version plus récente du programme (format 2"},
    {"version-texte.seance", "« version » doit être un nombre entier positif"},
    {"champ-manquant.seance", "le champ « filtre.amortissement » manque"},
    {"champ-inconnu.seance", "champ inconnu « affichage.couleur_fond »"},
    {"type-texte.seance", "« signal.f0_hz » doit être un nombre entier"},
    {"type-objet.seance", "« signal » doit être un objet"},
    {"f0-zero.seance", "« signal.f0_hz » est hors de ses limites (1 à 999999)"},
    {"f0-reel.seance", "« signal.f0_hz » doit être un nombre entier"},
    {"pleine-echelle-nulle.seance", "« signal.pleine_echelle » est hors de ses limites"},
    {"gain-enorme.seance", "« filtre.gain_statique » est hors de ses limites"},
    {"fc-trop-grande.seance", "« filtre.fc_hz » est hors de ses limites"},
    {"amortissement-hors-pas.seance", "« filtre.amortissement » est hors de ses limites"},
    {"periodes-dix.seance", "« affichage.periodes » est hors de ses limites"},
    {"phase-45.seance", "phase_degres » doit valoir -90, 0, 90 ou 180"},
    {"amplitude-101.seance", "amplitude_pourcent » est hors de ses limites (0 à 100)"},
    {"onze-harmoniques.seance", "« signal.harmoniques » doit compter 12 éléments"},
    {"forme-inconnue.seance", "« signal.forme » ne connaît pas la valeur « sinus »"},
    {"couleur-fausse.seance", "« affichage.couleurs.sortie » doit être une couleur"},
    {"moyenne-hors-plage.seance", "dépasse « synthetiseur.moyenne_max_pourcent »"},
    {"police-controle.seance", "« affichage.police » doit être un nom de police"},
    {"consigne-nul.seance", "« consigne » doit être un texte"},
    {"facteur-3.seance", "« affichage.facteur_sortie » doit valoir 1, 10, 100, 1000 ou 10000"},
    {"utf8-faux.seance", "ce n'est pas du JSON valide"},
};

class HostileLesson : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileLesson, IsRefusedWithAMessageNamingTheProblem)
{
    const LessonReadResult r = ReadLesson(Fixture(GetParam().file));
    EXPECT_FALSE(r.Read);
    EXPECT_NE(r.Message.find(GetParam().message), std::string::npos) << r.Message;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, HostileLesson, testing::ValuesIn(HostileCases), [](const auto& info) {
    std::string name = info.param.file;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(HostileLesson, TooLargeIsRefusedBeforeParsing)
{
    // Deeply nested brackets would keep a parser busy: the size alone
    // refuses them.
    const std::string huge(MaxLessonBytes + 1, '[');
    const LessonReadResult r = ReadLesson(huge);
    EXPECT_FALSE(r.Read);
    EXPECT_NE(r.Message.find("trop grand"), std::string::npos) << r.Message;
}

TEST(HostileLesson, DeepNestingWithinTheSizeIsRefused)
{
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const LessonReadResult r = ReadLesson(deep);
    EXPECT_FALSE(r.Read);
    EXPECT_NE(r.Message.find("n'est pas un objet JSON"), std::string::npos) << r.Message;
}

TEST(HostileLesson, LongNamesAreCutInTheMessage)
{
    Lesson lesson;
    std::string bytes = WriteLesson(lesson);
    const std::string key(5000, 'x');
    bytes.insert(bytes.find('{') + 1, "\"" + key + "\": 1,");
    const LessonReadResult r = ReadLesson(bytes);
    EXPECT_FALSE(r.Read);
    EXPECT_LT(r.Message.size(), 200u) << r.Message;
}

} // namespace
