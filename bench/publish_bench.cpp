// A "gold" publish of 200 pages and 50 pictures to a local FTP server (pyftpdlib), against the
// floor of the curl tool uploading the same files over one connection in one invocation.
#include "generator/template_library.h"
#include "publish/publish_run.h"
#include "site/page_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int PageCount = 200;
constexpr int PictureCount = 50;
constexpr int Rounds = 5;
const QString FtpUser = QStringLiteral("bench");
const QString FtpPassword = QStringLiteral("bench-pw");

QString supportScript(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
           QStringLiteral("/../tests/support/") + QLatin1String(name);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// One of the test servers, started on a free port.
struct Server {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    int port = 0;

    Server(const char* script, const QStringList& arguments) {
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral("/usr/bin/python3"),
                       QStringList{supportScript(script)} + arguments);
        while (process->waitForReadyRead(15000) && !process->canReadLine()) {
        }
        port = process->readLine().trimmed().toInt();
        if (port <= 0)
            qFatal("%s did not start", script);
    }
    ~Server() {
        process->kill();
        process->waitForFinished(5000);
    }
};

// The site: pages of about 6 KB, each referring to pictures, and 50 pictures of 40 KB.
SiteState buildSite(const Folders& folders) {
    SiteState state;
    state.Account.UnixName = QStringLiteral("bench");
    state.Account.UnixCreated = true;
    state.Account.HostingPackage = QStringLiteral("gold");
    const QByteArray filler(6000, 'x');
    for (int i = 0; i < PageCount; ++i) {
        const QString name = QStringLiteral("page-%1").arg(i);
        int slot = 0;
        AppendPage(state, name, &slot);
        state.Pages[slot].Changed = true;
        const int picture = i % PictureCount + 1;
        writeFile(folders.WorkDir() + name + QStringLiteral(".html"),
                  "<html><body><a href=\"page-1.php\">next</a><img src=\"tavo_img" +
                      QByteArray::number(picture) + ".jpg\"><p>" + filler +
                      "</p></body></html>\r\n");
    }
    QByteArray picture(40000, '\0');
    for (int n = 1; n <= PictureCount; ++n) {
        for (char& c : picture)
            c = char(QRandomGenerator::global()->bounded(256));
        writeFile(folders.WorkDir() + QStringLiteral("tavo_img%1.jpg").arg(n), picture);
    }
    return state;
}

int countLines(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The same files the publish puts, in one curl invocation (one connection).
QString curlConfig(const QString& path, const Folders& folders, const QString& binFolder,
                   int port) {
    QString text = QStringLiteral("user = \"%1:%2\"\nftp-create-dirs\nsilent\nshow-error\n")
                       .arg(FtpUser, FtpPassword);
    const QString base = QStringLiteral("ftp://127.0.0.1:%1/%2Fcurl/").arg(port);
    const auto add = [&](const QString& local, const QString& remote) {
        text += QStringLiteral("upload-file = \"%1\"\nurl = \"%2%3\"\n").arg(local, base, remote);
    };
    for (int i = 0; i < PageCount; ++i)
        add(folders.WorkDir() + QStringLiteral("page-%1.html").arg(i),
            QStringLiteral("page-%1.html").arg(i));
    for (int n = 1; n <= PictureCount; ++n)
        add(folders.WorkDir() + QStringLiteral("tavo_img%1.jpg").arg(n),
            QStringLiteral("tavo_img%1.jpg").arg(n));
    for (const QFileInfo& asset : QDir(binFolder).entryInfoList(QDir::Files))
        add(asset.absoluteFilePath(), QStringLiteral("bin/") + asset.fileName());
    writeFile(path, text.toUtf8());
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/ftp-root");
    QDir().mkpath(root);
    Folders folders{dir.path() + QStringLiteral("/temp/"), AppDataDir(),
                    dir.path() + QStringLiteral("/settings.ini")};
    SiteState state = buildSite(folders);
    const QString binFolder = SelectedTemplateFolder(state, folders) + QStringLiteral("bin/");
    const int assetCount = int(QDir(binFolder).entryList(QDir::Files).size());

    const QString connections = dir.path() + QStringLiteral("/connections.log");
    const Server ftp("ftp_server.py", {QStringLiteral("--root"), root, QStringLiteral("--user"),
                                       FtpUser, QStringLiteral("--password"), FtpPassword,
                                       QStringLiteral("--connections"), connections});
    const QString serviceRoot = dir.path() + QStringLiteral("/service");
    writeFile(serviceRoot + QStringLiteral("/zeb/updatepages.php"), "ok");
    const Server http("http_service.py",
                      {QStringLiteral("--root"), serviceRoot, QStringLiteral("--log"),
                       dir.path() + QStringLiteral("/requests.log")});
    ServiceConfig config;
    config.ServiceBaseUrl = QStringLiteral("http://127.0.0.1:%1").arg(http.port);
    state.OwnFtpSettings = {QStringLiteral("127.0.0.1"), FtpUser, FtpPassword,
                            QStringLiteral("/site/"), ftp.port};
    const QString config_file =
        curlConfig(dir.path() + QStringLiteral("/curl.conf"), folders, binFolder, ftp.port);

    std::vector<double> ours, theirs;
    int filesPut = 0, connectionsOpened = 0, serverConnections = 0;
    for (int round = 0; round < Rounds; ++round) {
        QDir(root).removeRecursively();
        QDir().mkpath(root);
        const int before = countLines(connections);
        QElapsedTimer timer;
        timer.start();
        const PublishOutcome result = PublishRun(state, folders, config);
        ours.push_back(timer.nsecsElapsed() / 1e6);
        if (!result.outcome.ok)
            qFatal("publish failed: %s", qPrintable(result.outcome.message));
        filesPut = result.filesPut;
        connectionsOpened = result.connectionsOpened;
        serverConnections = countLines(connections) - before;

        QProcess curl;
        timer.restart();
        curl.start(QStringLiteral("curl"), {QStringLiteral("-K"), config_file});
        curl.waitForFinished(300000);
        theirs.push_back(timer.nsecsElapsed() / 1e6);
        if (curl.exitCode() != 0)
            qFatal("curl failed: %s", curl.readAllStandardError().constData());
    }

    const double ms = median(ours), curlMs = median(theirs);
    const double best = *std::min_element(ours.begin(), ours.end());
    const double curlBest = *std::min_element(theirs.begin(), theirs.end());
    std::printf("gold publish: %d pages, %d pictures, %d template assets\n", PageCount,
                PictureCount, assetCount);
    std::printf("  tavo  median %8.1f ms  %6.0f files/s  connections %d (server saw %d)\n", ms,
                filesPut / (ms / 1000), connectionsOpened, serverConnections);
    std::printf("  curl  median %8.1f ms  %6.0f files/s  (one invocation, one connection)\n",
                curlMs, filesPut / (curlMs / 1000));
    std::printf("  best of %d: tavo %.1f ms, curl %.1f ms\n", Rounds, best, curlBest);
    std::printf("  ratio tavo/curl %.2f median, %.2f best (goal: one connection, at most 1.5)\n",
                ms / curlMs, best / curlBest);
    return 0;
}
