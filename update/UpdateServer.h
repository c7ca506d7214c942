#pragma once

#include <QString>

// Where the update files are. The base address (http or https, with the server's user name
// and password in its user-info part) is the "Update/ServerUrl" setting of the deployment;
// without it the built-in default is used. A deployment whose server's certificate comes
// from its own authority names that authority's PEM file in "Update/CertificateAuthorities".
struct UpdateServer {
    QString baseUrl;
    QString certificateAuthorities = {}; // empty: the system's authorities

    // The server of the settings store, or the built-in default.
    static UpdateServer configured();

    QString versionFileUrl() const { return file("/Update/VanVer.txt"); }
    QString archiveUrl() const { return file("/Update/VantroUp.zip"); }
    QString signatureUrl() const { return file("/Update/VantroUp.zip.sig"); }

private:
    QString file(const char* path) const;
};
