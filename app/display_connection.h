// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

namespace app {

// Stands guard while the QApplication connects to its display. A program
// that cannot have one says why in one line on standard error ("cannot
// connect to a display: DISPLAY is not set") and ends with status 1, where
// Qt would abort with its general advice about platform plugins.
//
// What can be told before Qt starts ends the program in the constructor.
// Otherwise Qt's own failure is caught as Qt reports it; the messages Qt
// gives while it starts are held back until connected(), and then go out as
// usual.
class DisplayConnection {
public:
    DisplayConnection(int argc, char **argv);
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection &) = delete;
    DisplayConnection &operator=(const DisplayConnection &) = delete;

    // The QApplication is made: stop guarding.
    void connected();

private:
    bool m_guarding = false;
};

} // namespace app
