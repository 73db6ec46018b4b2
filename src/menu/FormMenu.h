#pragma once

#include "platform/DesignWindow.h"

struct Services;

// The menu window: it leads to the two games, to the information box, to loading another word
// list, and to the end of the program. A new one, with a new colour, is made at every return.
class FormMenu : public DesignWindow
{
    Q_OBJECT

public:
    explicit FormMenu(Services &services, QWidget *parent = nullptr);

private:
    void startWordSearch();
    void startMemory();
    void showInformation();
    void loadOtherList();
    void askToEnd();
    bool refuse(const QString &reason);

    Services &services_;
};
