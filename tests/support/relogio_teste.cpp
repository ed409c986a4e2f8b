// Nada ainda: o apoio aos testes cresce com o relógio e o usuário roteirizado.
