#include "SessionAleatoire.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QInputDevice>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tarvo::test {
namespace {

// The run as the environment asks for it: TARVO_ALEATOIRE_GRAINE, TARVO_ALEATOIRE_EVENEMENTS
// and TARVO_ALEATOIRE_TRACE (any value: every event written out).
ReglagesAleatoires LitReglages() {
    ReglagesAleatoires r;
    r.Graine = 20240611;
    r.Evenements = 8000;
    if (const char* g = std::getenv("TARVO_ALEATOIRE_GRAINE"))
        r.Graine = std::strtoull(g, nullptr, 10);
    if (const char* n = std::getenv("TARVO_ALEATOIRE_EVENEMENTS"))
        r.Evenements = std::strtoll(n, nullptr, 10);
    r.Trace = std::getenv("TARVO_ALEATOIRE_TRACE") != nullptr;
    return r;
}

// Warnings of the simulated input that say nothing about the program.
void MessagesQt(QtMsgType type, const QMessageLogContext&, const QString& texte) {
    if (texte.contains("not accepted by receiving widget") ||
        texte.startsWith("This plugin does not support"))
        return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", texte.toUtf8().constData());
}

// The session, in the process that the test watches: the documents of the examples copied
// into a folder of its own, the settings in another. The exit code is 0 when nothing failed.
int LanceSession(const ReglagesAleatoires& reglages, std::atomic<std::int64_t>& evenement) {
    QTemporaryDir documents, configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(MessagesQt);
    // The application on the stack, ended before the program's end as in the program: a
    // static one, ended after Qt's print support, crashes in Qt's clean-up once the print
    // dialog was shown. The input devices first, as in ApplicationTest.
    (void)QInputDevice::devices();
    int argc = 1;
    char nom[] = "tests_aleatoire";
    char* argv[] = {nom, nullptr};
    QApplication application(argc, argv);
    QFont::insertSubstitution("Arial", "Liberation Sans");
    const QDir exemples(QString(TARVO_SOURCE_DIR) + "/examples");
    for (const QString& f : exemples.entryList({"*.bdc"}, QDir::Files))
        QFile::copy(exemples.filePath(f), documents.filePath(f));
    std::string faute;
    {
        SessionAleatoire session(reglages, QDir(documents.path()), evenement);
        faute = session.Joue();
    }
    if (faute.empty()) return 0;
    std::fprintf(stderr, "graine %llu, événement %lld : %s\n",
                 static_cast<unsigned long long>(reglages.Graine),
                 static_cast<long long>(evenement.load()), faute.c_str());
    return 1;
}

// Thousands of random events on the real window, in a process of their own: a crash, a
// sanitizer report, a hang or a save that does not read back is reported with the seed and
// the number of the event, which replay it.
TEST(Aleatoire, LaFenetreTientSousUnUsageAuHasard) {
    const ReglagesAleatoires reglages = LitReglages();
    std::printf("graine %llu, %lld événements\n", static_cast<unsigned long long>(reglages.Graine),
                static_cast<long long>(reglages.Evenements));
    std::fflush(stdout);
    std::fflush(stderr);

    void* partage = mmap(nullptr, sizeof(std::atomic<std::int64_t>), PROT_READ | PROT_WRITE,
                         MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(partage, MAP_FAILED);
    auto* evenement = new (partage) std::atomic<std::int64_t>(0);

    const pid_t session = fork();
    ASSERT_GE(session, 0);
    if (session == 0) {
        // The session goes with the test when ctest stops it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        std::exit(LanceSession(reglages, *evenement));
    }

    // An event that lasts a minute is a hang.
    using namespace std::chrono;
    constexpr auto Blocage = minutes(1);
    std::int64_t dernier = -1;
    auto depuis = steady_clock::now();
    int statut = 0;
    bool bloquee = false;
    while (waitpid(session, &statut, WNOHANG) == 0) {
        std::this_thread::sleep_for(milliseconds(100));
        if (const std::int64_t n = evenement->load(); n != dernier) {
            dernier = n;
            depuis = steady_clock::now();
        } else if (steady_clock::now() - depuis > Blocage) {
            bloquee = true;
            kill(session, SIGKILL);
            waitpid(session, &statut, 0);
            break;
        }
    }
    const std::string ou = "graine " + std::to_string(reglages.Graine) + ", événement " +
                           std::to_string(evenement->load());
    munmap(partage, sizeof(std::atomic<std::int64_t>));
    ASSERT_FALSE(bloquee) << "blocage, " << ou;
    ASSERT_FALSE(WIFSIGNALED(statut)) << "signal " << WTERMSIG(statut) << ", " << ou;
    EXPECT_EQ(WEXITSTATUS(statut), 0) << ou;
}

} // namespace
} // namespace tarvo::test
