#pragma once

#include <QApplication>

namespace orvanta {

// The application: an exception that escapes an event handler is shown to the user as an error
// instead of ending the program.
class OrvantaApplication : public QApplication
{
public:
    OrvantaApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace orvanta
