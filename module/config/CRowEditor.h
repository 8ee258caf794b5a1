#pragma once
// What a Set Configuration page and a settings form share: one row of objects (the scalars of
// a page at ".0", or one table row a form's keys name), one input per object that has one, one
// request object with at most one request out, and the status line that reports it.
//
// Writes never undo what another window wrote. A write re-reads first: Apply sends a get for
// the row, every input the operator left alone takes the value the switch holds now, and only
// then the set goes out, with what the operator typed or chose and those fresh values. (When the
// operator changed every input, or the row is being made, nothing is left to re-read and the set
// goes out at once.) A value read that cannot be written back (an ageing time of 7 where the
// switch takes 10 to 1000000, a choice the program does not know) is left out of the set, and
// the status line names the field. After a set the switch took, every other open window that
// shows one of its objects reads it again; a page or form that hears of such a set re-reads too,
// keeping what its operator typed.

#include "module/config/CObjectInput.h"
#include "module/config/FormRows.h"
#include "module/dialogbase/OutstandingRequest.h"
#include "snmp/CSnmpClass.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDlgData;
class CDlgMsgControl;
class CWnd;

// What Write did.
enum class PageWrite { Sent, Waiting, NotRead, Refused, NothingChosen };

// Where an editor's row lives and whom it tells.
struct RowContext {
    CWnd* mainWnd = nullptr;
    // The window's own slot: its own sets never have it re-read (-1: none).
    int slot = -1;
    // The slot refreshed after every reply (a form's table; -1: none).
    int refreshSlot = -1;
    // The row's keys; a new row's keys once it is made. Null: scalars.
    CDlgData* keys = nullptr;
    // What a set writes into a row-status column.
    std::string rowStatusText;
    // Called after the values of a reply are shown.
    std::function<void()> afterValues;
};

class CRowEditor {
public:
    // `owner` receives the replies through `callback`, which hands them to OnReply.
    CRowEditor(const _NmOidTable* table, int rowCount, CObject* owner, SNMPCALLBACK callback);

    // The inputs, in input order (CFormRows::InputRows); the editor owns them.
    void AddInput(std::unique_ptr<CObjectInput> input);
    // Makes the request for the row the context's keys name and reads it when they name one.
    void Start(RowContext context, CDlgMsgControl* status);

    // Reads every object; each input shows what the switch sends (Refresh, the first read).
    void Read();
    // Another window's set wrote an object of the row: reads it again, and the inputs the
    // operator left alone show the new values. Waits for a request in flight.
    void Reread();
    PageWrite Write();
    void OnReply(std::uint16_t code, CSnmpMsg* msg);
    void ShowStatusText(const std::string& text);
    // A field cut what was typed at its limit: the status line says which (EN_MAXTEXT).
    void OnFieldCut(int controlId);

    bool IsWaiting() const { return m_inFlight.IsBusy(); }
    bool IsLoaded() const { return m_bLoaded; }
    CSnmpClass* Request() const { return m_pRequest.get(); }
    const CFormRows& Rows() const { return m_rows; }
    int InputCount() const { return int(m_inputs.size()); }
    CObjectInput* Input(int input) const;
    void RaiseInputs();

private:
    enum class Step { None, Read, Reread, PreRead, Set, RemoveOld };

    CSnmpOid* Object(int row) const;
    void Send(Step step);
    // The write itself: checks, then the set, after a re-read unless `justRead`.
    PageWrite WriteNow(bool justRead);
    // Sends the set; false (and the status line says why) when it would carry nothing.
    bool SendSet();
    void SendRemoveOld();
    // The first typed value that cannot be sent, as its status line; empty when all can.
    std::string RefusedInput() const;
    // Why the value read for `row` is not written back; empty when it is.
    std::string LeftOutReason(int row) const;
    bool AllInputsEdited() const;
    // The typed index texts, when the operator changed the key of an existing row.
    bool KeyEdited(std::vector<std::string>& typed) const;
    // Asks whether to make the new row and remove the old one; false: send nothing.
    bool ConfirmNewRow(const std::vector<std::string>& typed);
    void TakeValues(const CSnmpPdu& pdu, Step step);
    void AfterSet(const CSnmpPdu& pdu);
    // What the reply's status line starts with: the field a badValue names, what a set left out.
    std::string StatusLead(const CSnmpPdu& pdu, Step step) const;
    void PostRefresh() const;

    CFormRows m_rows;
    const _NmOidTable* m_pTable;
    int m_nRowCount;
    CObject* m_pOwner;
    SNMPCALLBACK m_pfnCallback;
    RowContext m_context;
    CDlgMsgControl* m_pStatus = nullptr;
    std::vector<std::unique_ptr<CObjectInput>> m_inputs;
    std::unique_ptr<CSnmpClass> m_pRequest;
    std::unique_ptr<CSnmpClass> m_pRemove;
    COutstandingRequest m_inFlight;
    Step m_step = Step::None;
    bool m_bLoaded = false;
    bool m_bNewRow = false;
    bool m_bWriteAfterRead = false;
    bool m_bRereadAfter = false;
    bool m_bRemoveOld = false;
    std::vector<std::string> m_newKeys;
    std::string m_oldInstance;
    // What the last set left out, said with its answer.
    std::string m_strLeftOut;
};
