#pragma once

// What `Vreactor::repair` did to a reaction system read from a file.
struct RepairReport {
    enum class Refusal {
        none,
        // More than 100 unique components or more than 100 reactions.
        tooManyComponents,
        tooManyReactions,
        // The orders of one side of a reaction add up to more than 100.
        orderSumTooLarge,
    };

    bool refused() const { return refusal != Refusal::none; }

    // When set, the model exceeds a limit and must be discarded.
    Refusal refusal = Refusal::none;
    // Values and objects changed to make the model consistent.
    int repairs = 0;
};
