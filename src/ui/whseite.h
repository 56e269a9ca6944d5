#pragma once

class WHBaseData;
class QKeyEvent;

// A page of the page stack. The central widget keeps one page per record type (the type
// code is the page id) and hands it the record of the selected navigator item: the page
// fills its widgets from the record, takes them back into it and compares both.
class WHSeite
{
public:
    virtual ~WHSeite() = default;

    // Fills the widgets from the record, puts the keyboard focus into the page and sets the
    // help page of the page.
    virtual void showData(WHBaseData& record) = 0;
    // Takes the widgets back into the record (texts cleaned through WHBaseData::bereinigt).
    // The building answers 1 when the mean flow temperature changed; the others 0.
    virtual int getData(WHBaseData& record) = 0;
    // True when a value shown on the page differs from the record.
    virtual bool isChanged(const WHBaseData& record) const = 0;
    // The record's check with the system chosen on the page and the flow temperature that
    // applies (the building's page field for the building, the building record otherwise).
    virtual bool checkData(const WHBaseData& record) const
    {
        (void)record;
        return true;
    }

    // Return and Enter walk the page's inputs: 1 forward, -1 backward (with Shift alone),
    // 0 for every other key.
    static int fokusRichtung(const QKeyEvent* event);
};
