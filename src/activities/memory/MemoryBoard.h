#pragma once
// The cards of the memory game, without pixels: card k hides item k + 1 and never moves, so
// the child learns the places; one target item is asked at a time. A turned card blocks
// every other card until the window lets the child turn again.

#include <QPointF>
#include <vector>

class MemoryBoard {
public:
    static constexpr int MaxCards = 15;

    explicit MemoryBoard(int cards = 0);

    int cards() const { return int(faceUp_.size()); }
    // The item asked for, 1..cards.
    int target() const { return target_; }

    // A new target item; every card face down and ready to turn.
    void newQuestion(int target);

    enum class Turn { Refused, Right, Wrong };
    // Turns card (0-based) face up when turning is allowed, then blocks turning.
    Turn turn(int card);
    // Every card face down; whether cards may be turned stays as it was.
    void turnAllDown();
    // Every card face down and ready to turn: the same target is asked again.
    void allowTurning();

    bool faceUp(int card) const { return faceUp_.at(size_t(card)); }
    bool canTurn() const { return canTurn_; }

private:
    std::vector<bool> faceUp_;
    int target_ = 0;
    bool canTurn_ = false;
};

// Where the cards of a game of n lie on a window of the given inner size: up to three
// cards large in one row, four a little smaller, from five on rows of five small cards.
// Rows are centred as full rows of five even when the last one is shorter.
struct CardLayout {
    double side = 0;               // cards are square
    std::vector<QPointF> topLefts; // card k's place
};
CardLayout LayOutCards(int n, double innerWidth, double innerHeight, double scaleX);
