// The busy cursor for as long as the guard lives.
#pragma once

namespace ui {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_ = false;
};

} // namespace ui
