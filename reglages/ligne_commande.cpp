#include "ligne_commande.h"

#include "aide_touches.h"
#include "fichier_reglages.h"
#include "reglages.h"
#include "traduction.h"
#include "utf8.h"

#include <getopt.h>

#include <algorithm>
#include <cstring>

namespace {

// GLUT's own options: getopt would read "-display" as -d -i -s ..., so they are set apart first.
struct OptionGlut {
    const char *nom;
    bool valeur;
};
constexpr OptionGlut optionsGlut[] = {
    {"-geometry", true},  {"-display", true},  {"-iconic", false}, {"-direct", false},
    {"-indirect", false}, {"-gldebug", false}, {"-sync", false},
};

const OptionGlut *optionGlut(const char *argument) {
    for (const OptionGlut &o : optionsGlut) {
        if (std::strcmp(argument, o.nom) == 0) {
            return &o;
        }
    }
    return nullptr;
}

enum Option {
    optionAide = 'h',
    // The long options' own values, so that one given a value it does not take is named.
    optionAideLongue = 256,
    optionVersion,
    optionPleinEcran,
    optionGauche,
    optionDroite,
    optionMuet,
    optionHeberger,
    optionRejoindre,
    optionRejeu,
};

constexpr struct option optionsLongues[] = {
    {"help", no_argument, nullptr, optionAideLongue},
    {"version", no_argument, nullptr, optionVersion},
    {"fullscreen", no_argument, nullptr, optionPleinEcran},
    {"left", required_argument, nullptr, optionGauche},
    {"right", required_argument, nullptr, optionDroite},
    {"mute", no_argument, nullptr, optionMuet},
    {"host", optional_argument, nullptr, optionHeberger},
    {"join", required_argument, nullptr, optionRejoindre},
    {"replay", required_argument, nullptr, optionRejeu},
    {nullptr, 0, nullptr, 0},
};

struct Usage {
    const char *option;
    const char *effet;
};
constexpr Usage usages[] = {
    {"-h, --help", N_("show this help and exit")},
    {"    --version", N_("show the version and exit")},
    {"    --fullscreen", N_("start in full screen (F11 switches)")},
    {"    --left=KIND", N_("who plays the left well: player, or computer[:LEVEL]")},
    {"    --right=KIND", N_("who plays the right well: player, or computer[:LEVEL]")},
    {"", N_("LEVEL is easy, medium (the default), hard or expert")},
    {"    --mute", N_("start with the sound off")},
    {"    --host[=PORT]", N_("host a network match on PORT (7800 by default)")},
    {"    --join=HOST[:PORT]", N_("join the match at HOST (a name or an IPv4 address)")},
    {"    --replay=FILE", N_("watch a replay, as REPLAY alone does")},
    {"", N_("every match is kept as a replay (see man cubefall)")},
    {"-geometry WxH+X+Y", N_("the window's size and place (GLUT)")},
    {"-display DISPLAY", N_("the X display to open (GLUT)")},
    {"-iconic", N_("start iconified (GLUT)")},
    {"-direct, -indirect", N_("ask for a direct or an indirect OpenGL context (GLUT)")},
    {"-gldebug", N_("check OpenGL for errors after each frame (GLUT)")},
    {"-sync", N_("make X calls synchronous, for debugging (GLUT)")},
};

// Padded to `largeur` characters, however many bytes each takes in UTF-8.
std::string colonne(const std::string &texte, std::size_t largeur) {
    const std::size_t caracteres = caracteresUtf8(texte).size();
    return caracteres < largeur ? texte + std::string(largeur - caracteres, ' ') : texte + ' ';
}

LigneCommande echec(LigneCommande lue, const std::string &message) {
    lue.suite = LigneCommande::Suite::erreur;
    lue.erreur = message;
    return lue;
}

} // namespace

// The same words as the settings file's.
std::optional<Pilote> lirePilote(const std::string &mot) {
    return lirePiloteReglage(mot);
}

LigneCommande lireLigneCommande(int argc, char **argv) {
    LigneCommande lue;
    lue.argumentsGlut.push_back(argc > 0 ? argv[0] : "cubefall");
    // getopt permutes what it is given: a copy, so argv stays as the system gave it.
    std::vector<char *> arguments{argc > 0 ? argv[0] : const_cast<char *>("cubefall")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            arguments.insert(arguments.end(), argv + i, argv + argc);
            break;
        }
        const OptionGlut *glut = optionGlut(argv[i]);
        if (!glut) {
            arguments.push_back(argv[i]);
            continue;
        }
        lue.argumentsGlut.push_back(argv[i]);
        if (glut->valeur) {
            if (i + 1 == argc) {
                return echec(lue, remplir(_("option '{1}' requires an argument"), {argv[i]}));
            }
            lue.argumentsGlut.push_back(argv[++i]);
        }
    }
    arguments.push_back(nullptr);

    // 0 starts glibc's getopt afresh, whatever an earlier reading left in it. The messages are
    // our own, in one voice.
    optind = 0;
    opterr = 0;
    const int nombre = static_cast<int>(arguments.size()) - 1;
    int option;
    while ((option = getopt_long(nombre, arguments.data(), ":h", optionsLongues, nullptr)) != -1) {
        const char *dite = arguments[optind - 1];
        switch (option) {
        case optionAide:
        case optionAideLongue:
            lue.suite = LigneCommande::Suite::aide;
            return lue;
        case optionVersion:
            lue.suite = LigneCommande::Suite::version;
            return lue;
        case optionPleinEcran:
            lue.demandes.pleinEcran = true;
            break;
        case optionMuet:
            lue.demandes.sonCoupe = true;
            break;
        case optionGauche:
        case optionDroite: {
            const std::optional<Pilote> pilote = lirePilote(optarg);
            if (!pilote) {
                return echec(lue, remplir(_("invalid KIND '{1}' for --{2}: player, computer or "
                                            "computer:easy|medium|hard|expert"),
                                          {optarg, option == optionGauche ? "left" : "right"}));
            }
            lue.demandes.pilotes[option == optionGauche ? 0 : 1] = pilote;
            break;
        }
        case optionHeberger: {
            const std::optional<std::uint16_t> port =
                optarg != nullptr ? lirePort(optarg) : std::optional<std::uint16_t>(portParDefaut);
            if (!port) {
                return echec(lue,
                             remplir(_("invalid port '{1}' for --host: a number from 1 to 65535"),
                                     {optarg}));
            }
            lue.heberger = port;
            break;
        }
        case optionRejoindre: {
            const std::optional<AdresseJeu> adresse = lireAdresse(optarg);
            if (!adresse) {
                return echec(lue, remplir(_("invalid address '{1}' for --join: HOST or "
                                            "HOST:PORT, HOST a name or an IPv4 address, PORT "
                                            "from 1 to 65535"),
                                          {optarg}));
            }
            lue.rejoindre = adresse;
            break;
        }
        case optionRejeu:
            lue.rejeu = optarg;
            break;
        case ':':
            return echec(lue, remplir(_("option '{1}' requires an argument"), {dite}));
        default:
            if (optopt >= optionAideLongue) {
                // A long option that takes no value was given one: name it without the value.
                const std::string nom = dite;
                return echec(lue, remplir(_("option '{1}' doesn't allow an argument"),
                                          {nom.substr(0, nom.find('='))}));
            }
            if (optopt != 0) {
                return echec(lue, remplir(_("invalid option -- '{1}'"),
                                          {std::string(1, static_cast<char>(optopt))}));
            }
            return echec(lue, remplir(_("unrecognized option '{1}'"), {dite}));
        }
    }
    // One argument beside the options: a replay, as a file manager opens it.
    if (optind + 1 == nombre && !lue.rejeu) {
        lue.rejeu = arguments[optind++];
    }
    if (optind < nombre) {
        return echec(lue, remplir(_("unexpected argument '{1}'"), {arguments[optind]}));
    }
    if (lue.heberger && lue.rejoindre) {
        return echec(lue, _("--host and --join cannot be used together"));
    }
    if (lue.rejeu && (lue.heberger || lue.rejoindre)) {
        return echec(lue, _("--replay cannot be used with --host or --join"));
    }
    return lue;
}

std::string texteAide(const Liaisons &liaisons) {
    std::string texte = _("Usage: cubefall [OPTION]... [REPLAY]\n"
                          "Two players, two wells, falling cubes: full rows vanish and send\n"
                          "garbage to the other well.\n\nOptions:\n");
    for (const Usage &u : usages) {
        texte += "  " + colonne(u.option, 24) + _(u.effet) + '\n';
    }
    const std::optional<std::filesystem::path> reglages = cheminReglages();
    texte += remplir(_("\nSettings file: {1} (see man cubefall)\n"),
                     {reglages ? reglages->string() : _("none (no home folder)")}) +
             _("\nKeys, as the settings file binds them (the left player's keys it leaves "
               "unbound\nare found in the game by their place, where a US keyboard has a, d, w "
               "and s):\n");
    const std::vector<GroupeAide> groupes = aideTouches(liaisons);
    // One column for every group's keys, as wide as the longest needs.
    std::size_t largeur = 18;
    for (const GroupeAide &groupe : groupes) {
        for (const LigneAide &ligne : groupe.lignes) {
            largeur = std::max(largeur, caracteresUtf8(ligne.touche).size() + 2);
        }
    }
    for (const GroupeAide &groupe : groupes) {
        // TRANSLATORS: a group of keys' title in --help, such as "Left player:".
        texte += "  " + remplir(C_("help", "{1}:"), {groupe.titre}) + "\n";
        for (const LigneAide &ligne : groupe.lignes) {
            texte += "    " + colonne(ligne.touche, largeur) + ligne.effet + '\n';
        }
    }
    return texte;
}

std::string texteVersion() {
    return "cubefall " CUBEFALL_VERSION "\n";
}
