#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the example lesson and the hostile lesson files of the tests, each
# the example with one fault. Run from this folder; the files are kept in
# the repository, this script only shows how they were made.
import copy
import json
import os

harmonics = []
square = {1: 64, 3: 21, 5: 13, 7: 9, 9: 7, 11: 6}
for k in range(1, 13):
    harmonics.append({"rang": k, "amplitude_pourcent": square.get(k, 0),
                      "phase_degres": 90 if k % 4 in (0, 1) else -90,
                      "visible": k in (1, 3)})

example = {
    "format": "fourierfiltre-seance",
    "version": 1,
    "consigne": "Observez la sortie du passe-bas d'ordre 2 : quels harmoniques passent ?\n"
                "Changez m et comparez les spectres.",
    "filtre_cache": False,
    "signal": {"f0_hz": 100, "pleine_echelle": 1.0, "moyenne_pourcent": 50, "forme": "carre",
               "rapport_cyclique": 0.5, "harmoniques": harmonics},
    "synthetiseur": {"moyenne_max_pourcent": 400, "increment_touches": 5},
    "filtre": {"type": "passe_bas_ordre2", "fc_hz": 300.0, "fc_saisie": False, "amortissement": 0.5,
               "gain_statique": 1.0},
    "affichage": {
        "periodes": 2.0, "facteur_sortie": 1, "voir_signal": True, "superposer_sortie": True,
        "spectre_entree": True, "spectre_sortie": True, "mode_spectre": "pourcent", "valeurs_raies": False,
        "fond_noir": True, "palette_papier": False, "quadrillage": False, "quadrillage_pointille": True,
        "longueur_graduations": 3, "police": "Arial", "taille_police": 8,
        "couleurs": {"axes": "#808080", "synthese": "#FFFF00", "signal": "#808080", "sortie": "#FF00FF",
                     "spectre_entree": "#FFFF00", "spectre_sortie": "#FF0000",
                     "harmoniques": ["#800000", "#0000FF", "#00FFFF", "#008000", "#FFFF00", "#800000",
                                     "#FF00FF", "#00FF00", "#800080", "#808000", "#008080", "#000080"]},
        "copie_largeur_px": 567, "copie_hauteur_px": 416},
    "fenetres": {"parametres": False, "son": False, "reponse": True},
}


def text(tree):
    return json.dumps(tree, indent=2, ensure_ascii=False) + "\n"


def write(name, data):
    with open(os.path.join("fixtures", name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def variant(name, change):
    tree = copy.deepcopy(example)
    change(tree)
    write(name, text(tree))


write("exemple.seance", text(example))
write("vide.seance", b"")
write("binaire.seance", bytes(range(256)))
write("pas-json.seance", "format = fourierfiltre-seance\nversion = 1\n")
write("tronque.seance", text(example)[:300])
write("liste.seance", "[1, 2, 3]\n")
write("utf8-faux.seance", b'{"format": "fourierfiltre-seance", "version": 1, "consigne": "\xc3\x28"}')
variant("autre-format.seance", lambda t: t.update(format="autre-chose"))
variant("version-future.seance", lambda t: t.update(version=2))
variant("version-texte.seance", lambda t: t.update(version="1"))
variant("champ-manquant.seance", lambda t: t["filtre"].pop("amortissement"))
variant("champ-inconnu.seance", lambda t: t["affichage"].update(couleur_fond="#000000"))
variant("type-texte.seance", lambda t: t["signal"].update(f0_hz="100"))
variant("type-objet.seance", lambda t: t.update(signal=[1, 2]))
variant("f0-zero.seance", lambda t: t["signal"].update(f0_hz=0))
variant("f0-reel.seance", lambda t: t["signal"].update(f0_hz=100.5))
variant("pleine-echelle-nulle.seance", lambda t: t["signal"].update(pleine_echelle=0))
variant("gain-enorme.seance", lambda t: t["filtre"].update(gain_statique=1e300))
variant("fc-trop-grande.seance", lambda t: t["filtre"].update(fc_hz=1e6))
variant("amortissement-hors-pas.seance", lambda t: t["filtre"].update(amortissement=0.123))
variant("periodes-dix.seance", lambda t: t["affichage"].update(periodes=10))
variant("phase-45.seance", lambda t: t["signal"]["harmoniques"][2].update(phase_degres=45))
variant("amplitude-101.seance", lambda t: t["signal"]["harmoniques"][0].update(amplitude_pourcent=101))
variant("onze-harmoniques.seance", lambda t: t["signal"]["harmoniques"].pop())
variant("forme-inconnue.seance", lambda t: t["signal"].update(forme="sinus"))
variant("couleur-fausse.seance", lambda t: t["affichage"]["couleurs"].update(sortie="magenta"))
variant("moyenne-hors-plage.seance", lambda t: t["synthetiseur"].update(moyenne_max_pourcent=40))
variant("police-controle.seance", lambda t: t["affichage"].update(police="Arial\u0007"))
variant("consigne-nul.seance", lambda t: t.update(consigne=None))
variant("facteur-3.seance", lambda t: t["affichage"].update(facteur_sortie=3))
