#pragma once

#include "foundation/eventreceiver.h"
#include "foundation/link.h"
#include "foundation/llist.h"
#include "foundation/textmeasurer.h"
#include "foundation/textstream.h"
#include "model/modelsettings.h"
#include "model/poi_extent.h"
#include "model/repairreport.h"
#include "model/vcomponent.h"
#include "model/vreaction.h"

#include <cstdint>
#include <string>
#include <vector>

// The reaction system as the user draws it: component objects (unique ones
// and shortcuts) and reactions whose entries refer to components by their
// position in `components`.
//
// Positions stay within 0..maxX and 0..maxY: files are clamped by `repair`,
// new objects by the operations that place them, and moves by the plane. The
// arithmetic of layout and hit testing relies on it.
// Editing operations broadcast their change event when they end; the model
// receives it itself and lays the drawing out again.
class Vreactor : public EventReceiver, public TextStream {
public:
    static constexpr int maxUniqueComponents = 100;
    static constexpr int maxReactions = 100;
    static constexpr int maxOrderSum = 100;
    // A moved selection stays on this plane.
    static constexpr int planeWidth = 2000;
    static constexpr int planeHeight = 1500;
    // About twice the plane: room for components placed on the widest
    // screens, while the drawing stays bounded. Grid points, so that snapping
    // a position never leaves the range.
    static constexpr int maxX = 72 * gridUnit;
    static constexpr int maxY = 54 * gridUnit;
    // Rate constants and concentrations never exceed this.
    static constexpr double maxValue = 1e100;
    static constexpr Poi shortcutOffset{30, 30};

    enum class NameCheck { valid, empty, taken, forbiddenCharacter };

    Vreactor();

    void exchange() override;
    // Gives shortcuts their component's colour after a session was put in
    // place, and lays the drawing out on every event that changes it.
    void receive(int event) override;

    // --- Queries (no notification) ---
    int uniqueComponentCount() const;
    // The i-th non-shortcut object; when there is none, shows "Unique component
    // not found!" and returns the first object (or a blank one when empty).
    Vcomponent& uniqueComponent(int i);
    const Vcomponent& uniqueComponent(int i) const;
    // Position among the unique components, or -1 with a message.
    int uniqueIndexOf(const std::string& name) const;
    // True if any object, unique or shortcut, bears the name.
    bool componentNameExists(const std::string& name) const;
    // Unique index of the component used as the x axis, or -1.
    int asXIndex() const;
    bool nothingSelected() const;
    // True if one is selected; the list's cursor is left on the first.
    bool firstSelectedComponent() const;
    bool firstSelectedReaction() const;
    bool selectedReactionsHaveSwitches() const;
    // Sum of the orders of side -1 (port <= 0) or side +1 (port >= 0); 0 for
    // no such reaction.
    int orderSum(int reaction, int side) const;
    // True if an entry on that side refers to an object with that name.
    bool isOnSide(int reaction, const std::string& name, int side) const;
    // Bounding box of all objects, cached until the next layout; empty when
    // there are none.
    Poi_Extent extent() const;
    // Selected objects and the reactions of selected components.
    Poi_Extent selectionExtent() const;
    // Whether a component may be renamed to `name`: not empty, borne by no
    // object, and free of "<", ">" and control characters, which would break
    // the session file's lines and blocks.
    NameCheck checkName(const std::string& name) const;

    // --- Editing (each broadcasts as noted) ---
    // A new component at p with the next free name and the least used palette
    // colour; false at 100 unique components. systemChanged.
    bool addComponent(Poi p);
    // A default reaction at p; false at 100 reactions. systemChanged.
    bool addReaction(Poi p);
    // Starts (i >= 0) or ends (-1) drawing a connection from object i and
    // sets or clears the destination marks. No broadcast.
    void setConnectSource(int i);
    // Adds the connection source to a side (-1 or +1) of the reaction; false
    // when it is already there or the side's order sum would exceed 100.
    // Always ends the connection. systemChanged on success.
    bool connect(int reaction, int order, int side);
    // A new reaction from the connection source to `target`, both aligned;
    // false (nothing created) for the source itself, at 100 reactions, or when
    // it would lie on an existing reaction (with a message). Ends the
    // connection. systemChanged on success.
    bool connectComponents(int target);
    // Appends a shortcut of object i, 30 pixels down and right. drawingChanged.
    void createShortcut(int i);
    // Removes object i; a unique component takes its shortcuts along. Entries
    // referring to removed objects go; later indices shift down. systemChanged.
    void deleteComponent(int i);
    void deleteReaction(int i);
    void deleteReactant(int reaction, int j);
    // Flips the side of every entry of entry j's component; refused (false)
    // when a side's order sum would exceed 100. systemChanged.
    bool swapSide(int reaction, int j);
    // 0 forward, 1 backward, 2 reversible, 3 inactive. systemChanged.
    void setMode(int reaction, int mode);
    void toggleConstant(int i);
    // Inverts asX of unique component u and clears it on all others. No broadcast.
    void toggleAsX(int u);
    void selectAll();
    void invertSelection();
    void deselectAll();
    // Selects the objects inside the region corners (inclusive) and resets them.
    void selectRegion();
    // Moves the selection unless a position would leave the plane; lays out
    // and records the area to repaint in moveExtent. No broadcast.
    void moveSelected(Poi delta);
    void snapToGrid(bool all);
    void setActive(bool on);
    // Sets or multiplies both rate constants of the selected reactions,
    // keeping them within 0..1e100.
    void setRateConstants(double v, bool multiply);
    void setInitialConcentrations(double v, bool multiply);
    // Selected unique components take the final concentration of the last
    // calculation, indexed by unique index; indices past the end and values
    // that are not finite leave a concentration as it is.
    void defineConcentrationsByResult(const std::vector<double>& finalConcentrations);
    void setConstant(bool on);
    void setGeometry(int mode);
    void deleteReactionSwitchesOfSelected();
    void deleteSelected(bool reactionsOnly);
    void deleteAll();
    // Gives every object bearing oldName the new name when `checkName`
    // accepts it; false otherwise. namesChanged.
    bool renameComponent(const std::string& oldName, const std::string& newName);

    // --- Sorting (no broadcast; the caller sends systemChanged) ---
    // Reactions i and j exchange places, so their numbers swap. False, and
    // nothing changes, when either is out of range.
    bool exchangeReactions(int i, int j);
    // Unique components u and v exchange places in the component list; every
    // entry that referred to one of the two objects is redirected to the
    // other, so each reaction keeps its species. Shortcuts stay where they
    // are. False, and nothing changes, when either is out of range.
    bool exchangeComponents(int u, int v);

    // Recomputes every label and arrow shape and drops the cached extent.
    void layout();
    // Frees the arrow shapes (branches hold up to 3000 points each): stored
    // copies of the system, as in the undo history, do not need them; the
    // next layout rebuilds them.
    void clearLayout();

    // Makes a reaction system just read from a file safe for every operation.
    // Call it right after reading the "vReactor" block, before anything lays
    // the model out. It refuses a model over a limit (more than 100 unique
    // components or reactions, or orders adding up to more than 100 on one side
    // of a reaction once the entries below are removed); such a model is
    // partly repaired and must be discarded. Otherwise it repairs, in order:
    // - positions are clamped to 0..maxX, 0..maxY; concentrations and rate
    //   constants to 0..1e100 (NaN gives the default), weights to +-1e100
    //   (NaN gives 1); an unknown geometry mode becomes -1;
    // - a unique component whose name holds "<", ">" or a control character
    //   loses them, or gets the next free name when nothing or a taken name
    //   remains; its shortcuts follow it;
    // - a unique component whose name is empty or borne by an earlier unique
    //   component gets the next free name (shortcuts of an empty name follow
    //   the first such component);
    // - entries whose index lies outside the component list are removed;
    // - shortcuts without a unique component are removed with their entries;
    // - ports become -1 (negative) or +1, orders below 1 become 1;
    // - entries of one component on one side merge into the first, adding
    //   their orders;
    // - only the first asX mark and the first animated parameter stay.
    RepairReport repair();

    bool useGrid = true;
    bool showGrid = false;
    Llist<Vcomponent> components;
    Llist<Vreaction> reactions;

    // Connection and region state, not stored.
    int connectSource = -1;
    Poi regionStart;
    Poi regionEnd;
    mutable Poi_Extent extentCache;
    mutable bool extentValid = false;
    Poi_Extent moveExtent;

    // Provided by the owner; without a measurer labels measure (0, 0), without
    // settings the defaults apply.
    Link<TextMeasurer> measurer;
    Link<const ModelSettings> settings;

private:
    const ModelSettings& modelSettings() const;
    bool validComponent(int i) const { return i >= 0 && i < components.count(); }
    bool validReaction(int i) const { return i >= 0 && i < reactions.count(); }
    // The name of the component an entry refers to, or null for a bad index.
    const std::string* entryName(const Reactant& r) const;
    // The list position of unique component u, or -1.
    int objectOfUnique(int u) const;
    Poi limited(Poi p) const;
    std::string freeName() const;
    std::int32_t freeColor() const;
    // Removes the marked objects at once; entries referring to them go and
    // the indices of the others shift down.
    void removeComponents(const std::vector<bool>& removed);
    void removeReactions(const std::vector<bool>& removed);
    void clearConnectionMarks();

    // Repair steps.
    int repairValues();
    int repairNames();
    int repairEntries();
    int mergeEntries();
    int repairMarks();
};
