// Quibel's HTML5 player: positioned elements and picture sets (tags, moving pictures, series, sorting pictures, pairs and identification with pictures, letters, memory).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
