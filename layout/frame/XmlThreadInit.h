#pragma once
// The per-thread set-up of the XML component, held by every layout frame for
// as long as it lives. The XML library needs no set-up of its own; the
// acquire-on-construction, release-on-destruction pairing is kept and counted
// per thread so that a frame that leaks or double-releases it shows.
class XmlThreadInit {
public:
    XmlThreadInit();
    ~XmlThreadInit();
    XmlThreadInit(const XmlThreadInit&) = delete;
    XmlThreadInit& operator=(const XmlThreadInit&) = delete;

    // How many set-ups the calling thread holds right now.
    static int CountOnThisThread();
};
