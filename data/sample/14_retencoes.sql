-- Os credores das retenções e as contas em que os títulos se classificam: a Receita
-- Federal (IRRF, PIS, COFINS, CSLL), a prefeitura (ISS) e a Previdência (INSS) como
-- fornecedores, e os impostos retidos a recolher, que não têm rateio gerencial.
INSERT INTO conta (lPonteiro, szCodigo, szDescricao, cTipo, byCaracteristica) VALUES
  (2201, '2.1.06.001', 'Receita Federal do Brasil', 'A', 136),
  (2202, '2.1.06.002', 'Prefeitura Municipal de São Paulo', 'A', 136),
  (2203, '2.1.06.003', 'Instituto Nacional do Seguro Social', 'A', 136),
  (2250, '2.1.07', 'Impostos retidos a recolher', 'T', 512),
  (2251, '2.1.07.001', 'IRRF retido a recolher', 'A', 512),
  (2252, '2.1.07.002', 'PIS, COFINS e CSLL retidos a recolher', 'A', 512),
  (2253, '2.1.07.003', 'ISS retido a recolher', 'A', 512),
  (2254, '2.1.07.004', 'INSS retido a recolher', 'A', 512);

INSERT INTO cfrt (lPonteiroConta, szNome, szDocumento) VALUES
  (2201, 'Receita Federal do Brasil', '00394460000141'),
  (2202, 'Prefeitura Municipal de São Paulo', '46395000000139'),
  (2203, 'Instituto Nacional do Seguro Social', '29979036000140');

INSERT INTO documento VALUES
  (4, 'RTF', 'Retenção federal (DARF)', 1),
  (5, 'RTP', 'Retenção previdenciária (GPS)', 1);
