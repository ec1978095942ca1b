// Automation references to the running drawing engine and its collection of drawings.
#pragma once

#include "platform/cad/document.h"

#include <QString>
#include <memory>

namespace cad {

class Engine;

class Documents {
public:
    Documents() = default;
    explicit Documents(std::weak_ptr<Engine> engine) : m_engine(std::move(engine)), m_set(true) {}
    bool isNothing() const { return !m_set; }

    int Count() const;
    Document Item(int index) const;
    // A new drawing from a template (a DXF file, whatever its name); it becomes the active document.
    Document Add(const QString& templatePath);
    // A new empty drawing with the engine's defaults.
    Document Add();
    // Opens a drawing file (DXF inside, whatever its name); it becomes the active document.
    Document Open(const QString& path);

private:
    std::weak_ptr<Engine> m_engine;
    bool m_set = false;
};

class Application {
public:
    Application() = default;
    explicit Application(std::weak_ptr<Engine> engine) : m_engine(std::move(engine)), m_set(true) {}
    bool isNothing() const { return !m_set; }
    // True while the instance behind the reference runs.
    bool isAlive() const;

    // Attaches to the running instance; throws CannotCreateObject when none runs.
    static Application GetObject();
    // Starts an instance (and its window, when a front end is installed); throws CannotCreateObject
    // when it cannot start (no GUI application, no usable platform).
    static Application CreateObject();

    bool Visible() const;
    void setVisible(bool visible);
    QString Caption() const;
    cad::Documents Documents() const;
    Document ActiveDocument() const;
    void setActiveDocument(const Document& document);
    // Redraws what changed.
    void Update();
    // Ends the instance: every reference to it, its documents or entities fails from then on.
    void Quit();

    std::shared_ptr<Engine> engine() const;

private:
    std::weak_ptr<Engine> m_engine;
    bool m_set = false;
};

} // namespace cad
