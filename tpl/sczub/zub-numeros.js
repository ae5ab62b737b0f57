// Quibel's HTML5 player: numbers, operations and grids (clock, operations, panel, measures, squares, fractions, formulae).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
