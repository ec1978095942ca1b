// The main window's topic "Main" on the session bus: execute strings, and reading and writing the
// texts of its controls by item name ("txtOneRodIn(0)", "lblTips").
#pragma once

#include "platform/dde/dde_server.h"

#include <QString>

namespace app {

class MainWindow;

class LinkExecuteTopic : public dde::TopicHandler {
public:
    // Offers the topic under the executable's name; without a session bus the window simply has none.
    explicit LinkExecuteTopic(MainWindow& frm);
    // Offers it under another application name (tests run several programs on one bus).
    LinkExecuteTopic(MainWindow& frm, const QString& application);
    ~LinkExecuteTopic() override;

    bool isOffered() const { return m_server.isRunning(); }
    // Gives the bus name up, so that another start can offer it.
    void withdraw() { m_server.stop(); }

    void execute(const QString& command) override;
    // The text of a text box or combo box, the caption of a label; "" for any other item.
    QString request(const QString& item) override;
    // Writes the text of a text box; any other item is left alone.
    void poke(const QString& item, const QString& text) override;

private:
    MainWindow& m_frm;
    dde::Server m_server;
};

} // namespace app
