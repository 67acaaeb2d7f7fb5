#include "link/PortGrund.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace plv7 {

namespace fs = std::filesystem;

std::string portGrundText(const PortGrund& grund) {
    switch (grund.art) {
        case PortGrund::Art::KeineBerechtigung:
            return "Keine Berechtigung für " + grund.geraet +
                   ". Der Benutzer muss zur Gruppe dialout gehören (sudo usermod -aG dialout "
                   "BENUTZER, danach neu anmelden).";
        case PortGrund::Art::Belegt: {
            std::string wer;
            if (!grund.programm.empty()) wer = grund.programm;
            if (grund.prozess > 0) {
                if (!wer.empty()) wer += ", ";
                wer += "Prozess-ID " + std::to_string(grund.prozess);
            }
            return grund.geraet + " wird von einem anderen Programm benutzt" +
                   (wer.empty() ? std::string() : " (" + wer + ")") +
                   ". Das Programm beenden, danach erneut verbinden.";
        }
        case PortGrund::Art::NichtVorhanden:
            return grund.geraet +
                   " ist nicht vorhanden: der Adapter ist nicht eingesteckt. Adapter einstecken "
                   "oder ein anderes Gerät wählen.";
        case PortGrund::Art::Unbekannt:
            break;
    }
    if (grund.systemText.empty()) return {};
    return grund.geraet + ": " + grund.systemText + ".";
}

Sperrinhaber sperrdateiLesen(std::string_view inhalt) {
    Sperrinhaber inhaber;
    const auto erstesWort = inhalt.find_first_not_of(" \t");
    if (erstesWort == std::string_view::npos) return inhaber;
    inhalt.remove_prefix(erstesWort);
    long prozess = 0;
    const auto [rest, fehler] =
        std::from_chars(inhalt.data(), inhalt.data() + inhalt.size(), prozess);
    if (fehler != std::errc{} || prozess <= 0) return inhaber;
    inhaber.prozess = prozess;
    // The program name Qt's lock files carry on their second line.
    const auto zeilenende = inhalt.find('\n');
    if (zeilenende == std::string_view::npos) return inhaber;
    std::string_view zweite = inhalt.substr(zeilenende + 1);
    zweite = zweite.substr(0, zweite.find('\n'));
    while (!zweite.empty() && (zweite.back() == '\r' || zweite.back() == ' ')) {
        zweite.remove_suffix(1);
    }
    inhaber.programm = zweite;
    return inhaber;
}

const std::vector<std::string>& sperrordner() {
    static const std::vector<std::string> ordner{
        "/var/lock",       "/run/lock", "/etc/locks", "/var/spool/locks",
        "/var/spool/uucp", "/tmp",      "/var/tmp",   "/var/lock/lockdev"};
    return ordner;
}

namespace {

std::string dateiText(const fs::path& pfad) {
    std::ifstream datei(pfad);
    std::ostringstream text;
    text << datei.rdbuf();
    return text.str();
}

bool lebt(long prozess) {
    return prozess > 0 && (::kill(static_cast<pid_t>(prozess), 0) == 0 || errno == EPERM);
}

std::string programmName(long prozess) {
    std::string name = dateiText("/proc/" + std::to_string(prozess) + "/comm");
    while (!name.empty() && (name.back() == '\n' || name.back() == ' ')) name.pop_back();
    return name;
}

// The lock file names for a device: "ttyUSB0" for /dev/ttyUSB0, "serial_by-id_…" for a
// path below /dev (a slash becomes an underscore, as lock-file writers do).
std::vector<std::string> sperrnamen(const std::string& geraet) {
    std::vector<std::string> namen;
    const auto add = [&namen](std::string pfad) {
        if (pfad.rfind("/dev/", 0) == 0) pfad.erase(0, 5);
        for (char& c : pfad) c = c == '/' ? '_' : c;
        if (!pfad.empty()) namen.push_back("LCK.." + pfad);
    };
    add(geraet);
    std::error_code fehler;
    const fs::path kanonisch = fs::canonical(geraet, fehler);
    if (!fehler && kanonisch.string() != geraet) add(kanonisch.string());
    return namen;
}

bool gesperrt(const std::string& geraet, const std::vector<std::string>& ordner,
              Sperrinhaber& inhaber) {
    for (const std::string& verzeichnis : ordner) {
        for (const std::string& name : sperrnamen(geraet)) {
            const fs::path pfad = fs::path(verzeichnis) / name;
            std::error_code fehler;
            if (!fs::is_regular_file(pfad, fehler)) continue;
            const Sperrinhaber gelesen = sperrdateiLesen(dateiText(pfad));
            if (gelesen.prozess == static_cast<long>(::getpid()) || !lebt(gelesen.prozess)) {
                continue;  // our own lock or a stale one
            }
            inhaber = gelesen;
            return true;
        }
    }
    return false;
}

// A process that has the device open, where /proc lets us look (own processes, or all as
// root); 0 when none is found.
long inhaberSuchen(const std::string& geraet) {
    std::error_code fehler;
    const fs::path kanonisch = fs::canonical(geraet, fehler);
    if (fehler) return 0;
    for (fs::directory_iterator prozess("/proc", fehler), ende; !fehler && prozess != ende;
         prozess.increment(fehler)) {
        long nummer = 0;
        const std::string name = prozess->path().filename().string();
        if (std::from_chars(name.data(), name.data() + name.size(), nummer).ec != std::errc{} ||
            nummer == static_cast<long>(::getpid())) {
            continue;
        }
        std::error_code ohne;
        for (fs::directory_iterator fd(prozess->path() / "fd", ohne), fdEnde; !ohne && fd != fdEnde;
             fd.increment(ohne)) {
            std::error_code link;
            if (fs::read_symlink(fd->path(), link) == kanonisch) return nummer;
        }
    }
    return 0;
}

}  // namespace

PortGrund portGrundErmitteln(const std::string& geraet, const std::vector<std::string>& ordner) {
    PortGrund grund;
    grund.geraet = geraet;
    struct stat info {};
    if (::stat(geraet.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        grund.art = PortGrund::Art::NichtVorhanden;
        return grund;
    }
    if (Sperrinhaber inhaber; gesperrt(geraet, ordner, inhaber)) {
        grund.art = PortGrund::Art::Belegt;
        grund.prozess = inhaber.prozess;
        grund.programm = programmName(inhaber.prozess);
        if (grund.programm.empty()) grund.programm = inhaber.programm;
        return grund;
    }
    const int fd = ::open(geraet.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return grund;
    }
    const int fehler = errno;
    switch (fehler) {
        case EACCES:
        case EPERM:
            grund.art = PortGrund::Art::KeineBerechtigung;
            break;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            grund.art = PortGrund::Art::NichtVorhanden;
            break;
        case EBUSY:
            grund.art = PortGrund::Art::Belegt;
            grund.prozess = inhaberSuchen(geraet);
            if (grund.prozess > 0) grund.programm = programmName(grund.prozess);
            break;
        default:
            grund.systemText = std::strerror(fehler);
            break;
    }
    return grund;
}

}  // namespace plv7
