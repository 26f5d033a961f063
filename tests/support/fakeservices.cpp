#include "fakeservices.h"

double ScriptedRandom::draw() {
    ++drawCount;
    if (!m_script.isEmpty())
        return m_script.dequeue();
    return std::generate_canonical<double, 53>(m_fallback) * 0.999999;
}

void RecordingDialogs::message(const QString &text, const QString &title, Icon icon) {
    calls.append({Kind::Message, text, title, icon});
    if (whileOpen)
        whileOpen();
}

bool RecordingDialogs::question(const QString &text, const QString &title) {
    calls.append({Kind::Question, text, title, Icon::None});
    if (whileOpen)
        whileOpen();
    return answers.isEmpty() ? true : answers.dequeue();
}

QString RecordingDialogs::saveFileName(const QString &caption, const QString &, const QString &) {
    calls.append({Kind::SaveFile, caption, QString(), Icon::None});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QStringList RecordingDialogs::texts() const {
    QStringList out;
    for (const Call &c : calls)
        out << c.text;
    return out;
}
