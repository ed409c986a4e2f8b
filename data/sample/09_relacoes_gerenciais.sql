-- Plano gerencial e as relações das classificações com ele. Material de consumo se
-- rateia entre produção e administrativo em todas as filiais; manutenção de
-- máquinas vai à produção na matriz e, em Manaus, durante o projeto de expansão
-- (julho de 2026 a junho de 2027), também ao projeto; serviços de terceiros se
-- relacionam com administrativo e comercial desde 2026. Estoque de mercadorias não
-- tem rateio gerencial. O grupo de projetos é sintético e não recebe rateio.
INSERT INTO conta (lPonteiro, szCodigo, szDescricao, byGerencial, cTipo) VALUES
  (6003, 'G.03', 'Comercial', 1, 'A'),
  (6010, 'G.04', 'Projetos', 1, 'T'),
  (6011, 'G.04.01', 'Projeto Expansão Manaus', 1, 'A');

INSERT INTO conta_relacao_gerencial
  (lContaEmpresarial, lContaGerencial, iFilial, dmaInicio, dmaFim, iPercentualSugerido) VALUES
  (5001, 6001, 0, '0001-01-01', '9999-12-31', 6000),
  (5001, 6002, 0, '0001-01-01', '9999-12-31', 4000),
  (5002, 6001, 1, '0001-01-01', '9999-12-31', 10000),
  (5002, 6001, 3, '2026-07-01', '2027-06-30', 7000),
  (5002, 6011, 3, '2026-07-01', '2027-06-30', 3000),
  (5002, 6010, 3, '2026-07-01', '2027-06-30', 0),
  (5003, 6002, 0, '2026-01-01', '9999-12-31', 5000),
  (5003, 6003, 0, '2026-01-01', '9999-12-31', 5000);
