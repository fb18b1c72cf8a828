startVorlank();
})();
