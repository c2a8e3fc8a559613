// Today's date, from the system or fixed (tests and the headless tool).
#pragma once

namespace korvo::platform {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;
};

// The local date of the machine.
class SystemClock : public Clock {
public:
    CivilDate Today() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(CivilDate date) : date_(date) {}
    CivilDate Today() const override { return date_; }
    void Set(CivilDate date) { date_ = date; }

private:
    CivilDate date_;
};

}  // namespace korvo::platform
